#include "platform/window.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace gibbetry {

namespace {

class MaximiseRefuser final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const Qt::WindowStates refused = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (event->type() == QEvent::WindowStateChange && (window->windowState() & refused))
            QTimer::singleShot(0, window, [window, refused] {
                window->setWindowState(window->windowState() & ~refused);
            });
        return false;
    }
};

} // namespace

void refuseMaximise(QWidget &window)
{
    window.installEventFilter(new MaximiseRefuser(&window));
}

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
    refuseMaximise(dialog);
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
