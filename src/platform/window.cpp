#include "platform/window.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace gibbetry {

namespace {

constexpr Qt::WindowStates refusedStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// Undoes a maximise or full-screen request as soon as the window reports it. On Wayland the
// compositor's configure for that state must be obeyed before it can be undone (a window that
// keeps its fixed size there is a protocol error that ends the program), so the size limits are
// lifted the moment the request is made and put back once the window is at its own size again.
class MaximiseRefuser final : public QObject {
public:
    explicit MaximiseRefuser(QWidget &window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            watchRequests();
            break;
        case QEvent::WindowStateChange:
        case QEvent::Resize:
            // While the limits are lifted, the undo waits until the compositor's size is obeyed.
            if ((window_.windowState() & refusedStates) && (!lifted_ || window_.size() != ownSize_))
                QTimer::singleShot(0, &window_, [this] {
                    window_.setWindowState(window_.windowState() & ~refusedStates);
                });
            restoreLimits();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void watchRequests()
    {
        QWindow *handle = window_.windowHandle();
        if (watched_ == handle || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            return;
        watched_ = handle;
        // Emitted as the request goes out, before the compositor answers it.
        connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state & refusedStates)
                liftLimits();
        });
    }
    void liftLimits()
    {
        if (lifted_)
            return;
        lifted_ = true;
        ownSize_ = window_.size();
        ownMaximum_ = window_.maximumSize();
        if (QLayout *layout = window_.layout()) {
            ownConstraint_ = layout->sizeConstraint();
            layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        }
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    void restoreLimits()
    {
        if (!lifted_ || (window_.windowState() & refusedStates) || window_.size() != ownSize_)
            return;
        lifted_ = false;
        window_.setMaximumSize(ownMaximum_);
        if (QLayout *layout = window_.layout())
            layout->setSizeConstraint(ownConstraint_);
    }

    QWidget &window_;
    QWindow *watched_ = nullptr;
    bool lifted_ = false;
    QSize ownSize_;
    QSize ownMaximum_;
    QLayout::SizeConstraint ownConstraint_ = QLayout::SetDefaultConstraint;
};

} // namespace

void refuseMaximise(QWidget &window)
{
    window.installEventFilter(new MaximiseRefuser(window));
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

void centreOn(QWidget &dialog, const QWidget &over)
{
    dialog.ensurePolished();
    dialog.adjustSize();
    const QWidget &window = *over.window();
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(window.frameGeometry().center());
    const QRect screen = window.screen()->availableGeometry();
    frame.moveLeft(std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() - frame.width() + 1)));
    frame.moveTop(std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - frame.height() + 1)));
    dialog.move(frame.topLeft());
}

void mirrorForLayoutDirection(QWidget &window)
{
    if (window.layoutDirection() != Qt::RightToLeft)
        return;
    for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        child->setGeometry(QStyle::visualRect(Qt::RightToLeft, window.rect(), child->geometry()));
        // A label aligns by its text's own direction: a version number would stay at the left.
        if (auto *label = qobject_cast<QLabel *>(child))
            label->setAlignment(QStyle::visualAlignment(Qt::RightToLeft, label->alignment()) |
                                Qt::AlignAbsolute);
        if (qobject_cast<QGroupBox *>(child) || child->metaObject() == &QWidget::staticMetaObject)
            mirrorForLayoutDirection(*child);
    }
}

} // namespace gibbetry
