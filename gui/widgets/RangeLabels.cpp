#include "widgets/RangeLabels.h"

#include "widgets/FormLayout.h"

#include <QLabel>

namespace mirendo {

std::array<QLabel*, 4> RangeLabelsOf(const FormControls& controls) {
    return {controls.get<QLabel>("Label31"), controls.get<QLabel>("Label32"), controls.get<QLabel>("Label33"),
            controls.get<QLabel>("Label34")};
}

void NameRangeLabels(const std::array<QLabel*, 4>& labels) {
    const char* const names[4] = {"X の最小値", "X の最大値", "Y の最小値", "Y の最大値"};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setAccessibleName(QString::fromUtf8(names[i]));
}

void SetRangeTexts(const std::array<QLabel*, 4>& labels, const std::array<std::string, 4>& texts) {
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(QString::fromStdString(texts[i]));
}

std::array<std::string, 4> RangeLabelTexts(const std::array<QLabel*, 4>& labels) {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < labels.size(); ++i)
        texts[i] = labels[i]->text().toStdString();
    return texts;
}

} // namespace mirendo
