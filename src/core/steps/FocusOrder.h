#pragma once
// Where Enter in a setting box of the main window sends the focus.
#include <string>

namespace mirendo {

// objectName of the control that gets the focus when Enter is pressed in `boxName`
// ("Text5".."Text10"); empty for any other name. A step box that a logarithmic axis of
// `scaleMode` fixes at "10" is disabled, so the path goes past it.
std::string NextFocusAfterEnter(const std::string& boxName, int scaleMode);

} // namespace mirendo
