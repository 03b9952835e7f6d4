#pragma once
// The range table Label31 .. Label34 (X minimum, X maximum, Y minimum, Y maximum) that the main
// window and both input dialogs show under their data tables.
#include <array>
#include <string>

namespace mirendo {

class FormControls;
class ValueLabel;

// Label31 .. Label34 of a window built from its table.
std::array<ValueLabel*, 4> RangeLabelsOf(const FormControls& controls);

// What the range labels show, for a screen reader ("X の最小値" ...); it reads the value itself
// as the label's name.
void NameRangeLabels(const std::array<ValueLabel*, 4>& labels);
void SetRangeTexts(const std::array<ValueLabel*, 4>& labels, const std::array<std::string, 4>& texts);
std::array<std::string, 4> RangeLabelTexts(const std::array<ValueLabel*, 4>& labels);

} // namespace mirendo
