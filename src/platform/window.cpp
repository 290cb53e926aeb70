#include "platform/window.h"

#include <QScreen>
#include <QWidget>

namespace gibbetry {

QIcon appIcon()
{
    return QIcon(QStringLiteral(":/gibbetry/icons/gibbetry-32.png"));
}

void makeFixedDialog(QWidget &dialog, int width, int height)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setFixedSize(width, height);
    dialog.setWindowIcon(appIcon());
}

void centreOnScreen(QWidget &window)
{
    window.ensurePolished();
    window.adjustSize();
    const QRect screen = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen.center());
    window.move(frame.topLeft());
}

} // namespace gibbetry
