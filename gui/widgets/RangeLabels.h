#pragma once
// The range table Label31 .. Label34 (X minimum, X maximum, Y minimum, Y maximum) that the main
// window and both input dialogs show under their data tables.
#include <array>
#include <string>

class QLabel;

namespace mirendo {

class FormControls;

// Label31 .. Label34 of a window built from its table.
std::array<QLabel*, 4> RangeLabelsOf(const FormControls& controls);

// Names a screen reader reads for the range labels ("X の最小値" ...).
void NameRangeLabels(const std::array<QLabel*, 4>& labels);
void SetRangeTexts(const std::array<QLabel*, 4>& labels, const std::array<std::string, 4>& texts);
std::array<std::string, 4> RangeLabelTexts(const std::array<QLabel*, 4>& labels);

} // namespace mirendo
