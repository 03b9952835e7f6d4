#pragma once
// Every text the user sees for a failure: readers, the request check, the engine bridge and the
// saves hand over exchange::Failure values, and the windows word them here, so each wording
// lives in one place and nothing below the windows writes message text.
#include "exchange/Failure.h"

#include <QString>

namespace mirendo {

// The engine bridge's failures: writing the request, starting or running Ventrel, reading its
// result file. Each is a whole message box text.
QString CalculationMessage(const exchange::Failure& failure);

} // namespace mirendo
