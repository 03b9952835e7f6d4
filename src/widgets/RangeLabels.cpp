#include "widgets/RangeLabels.h"

#include "widgets/FormLayout.h"
#include "widgets/ValueLabel.h"

#include <QCoreApplication>

namespace mirendo {

std::array<ValueLabel*, 4> RangeLabelsOf(const FormControls& controls) {
    return {controls.get<ValueLabel>("Label31"), controls.get<ValueLabel>("Label32"),
            controls.get<ValueLabel>("Label33"), controls.get<ValueLabel>("Label34")};
}

void NameRangeLabels(const std::array<ValueLabel*, 4>& labels) {
    const char* const names[4] = {
        QT_TRANSLATE_NOOP("RangeLabels", "X の最小値"), QT_TRANSLATE_NOOP("RangeLabels", "X の最大値"),
        QT_TRANSLATE_NOOP("RangeLabels", "Y の最小値"), QT_TRANSLATE_NOOP("RangeLabels", "Y の最大値")};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setMeaning(QCoreApplication::translate("RangeLabels", names[i]));
}

void SetRangeTexts(const std::array<ValueLabel*, 4>& labels, const std::array<std::string, 4>& texts) {
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setValue(QString::fromStdString(texts[i]));
}

std::array<std::string, 4> RangeLabelTexts(const std::array<ValueLabel*, 4>& labels) {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < labels.size(); ++i)
        texts[i] = labels[i]->text().toStdString();
    return texts;
}

} // namespace mirendo
