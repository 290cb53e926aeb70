#include "platform/qt_message_box.h"

#include "version.h"

#include <QMessageBox>

namespace gibbetry {

std::unique_ptr<QMessageBox> QtMessageBox::create(Icon icon, const QString &text, QWidget *parent)
{
    // A text may end its lines with CR LF (the win message does); each becomes the LF that Qt's
    // labels break at.
    auto box = std::make_unique<QMessageBox>(
        icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
        QLatin1String(applicationTitle), QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
        QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void QtMessageBox::show(Icon icon, const QString &text)
{
    // A problem the player is told of also goes to the terminal, for whoever started the game there.
    if (icon == Icon::Warning)
        qWarning("gibbetry: %s", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    create(icon, text, parent_)->exec();
}

} // namespace gibbetry
