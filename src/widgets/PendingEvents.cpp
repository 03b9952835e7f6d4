#include "widgets/PendingEvents.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace mirendo {

void LetPendingPaintsThrough() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace mirendo
