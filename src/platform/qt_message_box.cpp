#include "platform/qt_message_box.h"

#include <QMessageBox>

namespace gibbetry {

void QtMessageBox::show(Icon icon, const QString &text)
{
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    QStringLiteral("Gibbetry"), QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace gibbetry
