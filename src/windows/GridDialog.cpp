#include "windows/GridDialog.h"

#include "core/curve/ValueGrid.h"
#include "core/messages/MessageTexts.h"
#include "qt/messages/Messages.h"
#include "widgets/FormLayout.h"
#include "widgets/MessageBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mirendo {

GridDialog::GridDialog(QWidget* parent) : QDialog(parent) {
    SetUpWindow(this, "FormGrid", tr("等間隔の値"), 4980, 3720);
    setWindowModality(Qt::WindowModal);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/FormGrid.tsv"));
    m_kind = c.get<QComboBox>("ChoiceGridKind");
    m_start = c.get<QLineEdit>("TextStart");
    m_stop = c.get<QLineEdit>("TextStop");
    m_step = c.get<QLineEdit>("TextStep");
    m_stepCaption = c.get<QLabel>("LabelStep");
    auto* note = c.get<QLabel>("LabelGridNote");
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const std::pair<const char*, QWidget*> captions[] = {
        {"LabelGridKind", m_kind}, {"LabelStart", m_start}, {"LabelStop", m_stop}, {"LabelStep", m_step}};
    for (const auto& [caption, control] : captions) {
        auto* label = c.get<QLabel>(caption);
        label->setBuddy(control);
        control->setAccessibleName(label->text());
    }
    auto* ok = c.get<QPushButton>("CommandOK");
    ok->setDefault(true);
    ConnectButtonHandlers(this);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &GridDialog::chooseKind);
    for (QLineEdit* box : {m_start, m_stop, m_step})
        connect(box, &QLineEdit::textEdited, this, [this] { m_typed = true; });
    setTabOrder(m_kind, m_start);
    setTabOrder(m_start, m_stop);
    setTabOrder(m_stop, m_step);
    setTabOrder(m_step, ok);
}

void GridDialog::propose(bool logarithmic, const QString& start, const QString& stop) {
    if (m_typed)
        return;
    m_kind->setCurrentIndex(logarithmic ? 1 : 0);
    m_start->setText(start);
    m_stop->setText(stop);
    chooseKind(m_kind->currentIndex());
}

void GridDialog::chooseKind(int index) {
    const bool perDecade = index == 1;
    m_stepCaption->setText(perDecade ? tr("1 桁の個数") : tr("増分"));
    m_step->setAccessibleName(m_stepCaption->text());
    if (!m_typed) {
        // Ten values per decade, or ten steps over the range.
        const double start = m_start->text().toDouble(), stop = m_stop->text().toDouble();
        m_step->setText(perDecade || stop == start ? QStringLiteral("10")
                                                   : QString::number((stop - start) / 10, 'g', 6));
    }
}

void GridDialog::CommandOK_Click() {
    const std::string start = m_start->text().toStdString();
    const std::string stop = m_stop->text().toStdString();
    const std::string step = m_step->text().toStdString();
    const ValueGrid grid =
        m_kind->currentIndex() == 1 ? PerDecadeGrid(step, start, stop) : LinearGrid(start, stop, step);
    if (grid.refusal != GridRefusal::None) {
        ShowMessage(this, PaddedLines(QString::fromStdString(GridRefusalText(grid)), kWideMargin));
        QLineEdit* box = grid.field == GridField::Start  ? m_start
                         : grid.field == GridField::Stop ? m_stop
                                                         : m_step;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return;
    }
    accept();
    emit gridChosen(QString::fromStdString(GridLines(grid)));
}

void GridDialog::CommandCancel_Click() {
    reject();
}

} // namespace mirendo
