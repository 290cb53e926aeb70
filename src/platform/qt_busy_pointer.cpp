#include "platform/qt_busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace gibbetry {

void QtBusyPointer::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace gibbetry
