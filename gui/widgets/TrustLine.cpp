#include "widgets/TrustLine.h"

#include <QPalette>

namespace mirendo {

namespace {
// Dark enough to read on the window's grey, as is the calm black.
const QColor kRedText(192, 0, 0);
} // namespace

TrustLine::TrustLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("LabelTrust"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setAccessibleDescription(QStringLiteral("補間の信頼性"));
}

void TrustLine::showTrust(const CurveTrust& trust) {
    setLine(trust.assessed ? QString::fromStdString(trust.text) : QString(), trust.assessed && trust.red);
}

void TrustLine::clearTrust() {
    setLine(QString(), false);
}

void TrustLine::setLine(const QString& text, bool red) {
    m_red = red;
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QPalette();
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, red ? kRedText : inherited.color(QPalette::WindowText));
    setPalette(colours);
    if (text == this->text())
        return;
    setText(text);
    setAccessibleName(text); // posts the name-changed event screen readers follow
}

} // namespace mirendo
