#include "input/Form11.h"

#include "input/InputLayout.h"
#include "input/Ordering.h"
#include "state/NumberText.h"
#include "widgets/MessageBox.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace mirendo {

using namespace inputlayout;

namespace {
const QString kNoData = QStringLiteral(" データが入力されていません ");
const QString kLimitReached = QStringLiteral(" データ数が上限(10)になりました ");
const QString kNothingToCorrect = QStringLiteral(" 修正できるデータがありません ");

QString CorrectionRangeMessage(int count) {
    return QStringLiteral(" 修正するデータ番号は 1 ～ %1 の範囲で入力して下さい ").arg(count);
}
} // namespace

Form11::Form11(Module1& state, QWidget* parent) : QWidget(parent, Qt::Window), m_state(state) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral(" データ入力（手入力）"));
    SetWindowFont(this);
    SetClientSize(this, 8280, 7920);

    AddLabel(this, "Label7", QStringLiteral("データを入力して下さい"), 480, 240, 0, 0, true);
    AddLabel(this, "Label1", QStringLiteral("No."), 480, 720);
    AddLabel(this, "Label2", QStringLiteral("X"), 1680, 720);
    AddLabel(this, "Label3", QStringLiteral("Y"), 3000, 720);
    m_label4 = AddLabel(this, "Label4", QStringLiteral("1"), 360, 1080, 735, 495);
    m_label4->setAlignment(Qt::AlignCenter);
    m_text1 = AddTextBox(this, "Text1", 1080, 1080, 1335, 495);
    m_text2 = AddTextBox(this, "Text2", 2400, 1080, 1335, 495);
    m_command1 = AddButton(this, "Command1", QStringLiteral("OK・次データ"), 360, 1680, 2055, 615);
    m_command2 = AddButton(this, "Command2", QStringLiteral("入力終了"), 2520, 1680, 1215, 615);
    m_command4 = AddButton(this, "Command4", QStringLiteral("OK（修正なし）"), 360, 2520, 3375, 615);
    AddLine(this, "Line1", 120, 3960, 3480, Qt::black);
    m_command3 = AddButton(this, "Command3", QStringLiteral("入力値を修正する"), 360, 3720, 3375, 495);
    AddLabel(this, "Label10", QStringLiteral("No."), 480, 4440);
    AddLabel(this, "Label11", QStringLiteral("X"), 1680, 4440);
    AddLabel(this, "Label12", QStringLiteral("Y"), 2880, 4440);
    m_text3 = AddTextBox(this, "Text3", 360, 4800, 735, 495);
    m_text4 = AddTextBox(this, "Text4", 1080, 4800, 1335, 495);
    m_text5 = AddTextBox(this, "Text5", 2400, 4800, 1335, 495);
    m_command7 = AddButton(this, "Command7", QStringLiteral("OK"), 2760, 5280, 975, 480);
    m_command6 = AddButton(this, "Command6", QStringLiteral("修正終了"), 360, 6000, 3375, 615);
    AddLine(this, "Line2", 120, 3960, 6840, Qt::black);
    m_command5 = AddButton(this, "Command5", QStringLiteral("キャンセル"), 360, 7080, 3375, 615);

    AddLabel(this, "Label9", QStringLiteral("入力したデータ"), 5040, 240, 0, 0, true);
    AddLabel(this, "Label17", QStringLiteral("No."), 4440, 720);
    AddLabel(this, "Label18", QStringLiteral("X"), 5400, 720);
    AddLabel(this, "Label19", QStringLiteral("Y"), 6360, 720);
    m_list1 = AddList(this, "List1", 4320, 1080, 3735, 5100);
    AddLabel(this, "Label8", QStringLiteral("X                Y"), 5880, 6360);
    AddLabel(this, "Label6", QStringLiteral("最小値"), 4560, 6720);
    AddLabel(this, "Label5", QStringLiteral("最大値"), 4560, 7080);
    m_rangeLabels = {AddRangeLabel(this, "Label31", 5400, 6720), AddRangeLabel(this, "Label32", 5400, 7080),
                     AddRangeLabel(this, "Label33", 6720, 6720), AddRangeLabel(this, "Label34", 6720, 7080)};

    // Typing order: X, Y and the two entry buttons, then the correction row.
    setTabOrder(m_text1, m_text2);
    setTabOrder(m_text2, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command4);
    setTabOrder(m_command4, m_command3);
    setTabOrder(m_command3, m_text3);
    setTabOrder(m_text3, m_text4);
    setTabOrder(m_text4, m_text5);
    setTabOrder(m_text5, m_command7);
    setTabOrder(m_command7, m_command6);
    setTabOrder(m_command6, m_command5);

    m_label4->setAccessibleName(QStringLiteral("入力中のデータ番号"));
    m_text1->setAccessibleName(QStringLiteral("X 値"));
    m_text2->setAccessibleName(QStringLiteral("Y 値"));
    m_text3->setAccessibleName(QStringLiteral("修正するデータ番号"));
    m_text4->setAccessibleName(QStringLiteral("修正後の X 値"));
    m_text5->setAccessibleName(QStringLiteral("修正後の Y 値"));
    m_command7->setAccessibleName(QStringLiteral("OK（修正）"));
    m_list1->setAccessibleName(QStringLiteral("入力したデータ"));
    NameRangeLabels(m_rangeLabels);

    auto* keys = new EnterKeys(this);
    keys->moveOn(m_text1, m_text2);
    keys->moveOn(m_text2, m_command1);
    keys->moveOn(m_text3, m_text4);
    keys->moveOn(m_text4, m_text5);
    keys->moveOn(m_text5, m_command7);
    for (QPushButton* button :
         {m_command1, m_command2, m_command3, m_command4, m_command5, m_command6, m_command7})
        keys->clickOnEnter(button);

    connect(m_command1, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form11::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form11::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form11::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form11::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form11::Command6_Click);
    connect(m_command7, &QPushButton::clicked, this, &Form11::Command7_Click);

    m_command3->setEnabled(false);
    m_command4->setEnabled(false);
    m_command6->setEnabled(false);
}

void Form11::resetForMainWindowReset() {
    m_label4->setText(QStringLiteral("1"));
    m_text1->clear();
    m_text2->clear();
    m_list1->clear();
    SetRangeTexts(m_rangeLabels, {});
}

void Form11::openForEntry() {
    m_state.EntryNo = 1;
    m_label4->setText(QStringLiteral("1"));
    for (QLineEdit* box : {m_text1, m_text2, m_text3, m_text4, m_text5})
        box->clear();
    m_list1->clear();
    SetRangeTexts(m_rangeLabels, {});
    m_command3->setEnabled(false);
    m_command4->setEnabled(false);
    m_command6->setEnabled(false);
    show();
    raise();
    activateWindow();
    m_text1->setFocus(Qt::OtherFocusReason);
}

int Form11::enteredCount() const {
    return std::clamp(m_state.EntryNo - 1, 0, std::min(m_state.PointsInUse(), Module1::kMaxPoints));
}

void Form11::addListLine(int number, const QString& x, const QString& y) {
    m_list1->addItem(QStringLiteral(" %1 :   %2    %3").arg(number).arg(x, y));
}

void Form11::showRanges() {
    SetRangeTexts(m_rangeLabels, RangeTexts(m_state));
}

void Form11::Command1_Click() {
    // Ten points fill the arrays: a further press stores nothing and repeats the limit message.
    if (m_state.EntryNo > Module1::kMaxPoints) {
        ShowMessage(this, kLimitReached, MessageIcon::None);
        m_command2->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_text1->text().isEmpty() || m_text2->text().isEmpty()) {
        ShowMessage(this, kNoData, MessageIcon::Warning);
        return;
    }
    const int k = std::max(m_state.EntryNo, 1);
    m_state.XData[k] = LeadingNumber(m_text1->text().toStdString());
    m_state.YData[k] = LeadingNumber(m_text2->text().toStdString());
    addListLine(k, m_text1->text(), m_text2->text());
    UpdateRange(m_state, k);
    showRanges();
    m_state.PointCount = k;
    m_state.EntryNo = k + 1;
    if (m_state.EntryNo > Module1::kMaxPoints) {
        ShowMessage(this, kLimitReached, MessageIcon::None);
        m_command2->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_label4->setText(QString::number(m_state.EntryNo));
    m_text1->clear();
    m_text2->clear();
    m_text1->setFocus(Qt::OtherFocusReason);
}

void Form11::Command2_Click() {
    m_command4->setEnabled(true);
    m_command3->setEnabled(true);
    m_command6->setEnabled(true);
    m_command4->setFocus(Qt::OtherFocusReason);
}

void Form11::Command3_Click() {
    m_text3->setFocus(Qt::OtherFocusReason);
}

void Form11::Command7_Click() {
    const int count = enteredCount();
    if (count == 0) {
        ShowMessage(this, kNothingToCorrect, MessageIcon::Warning);
        return;
    }
    // Only the points typed in this entry may be corrected: element 0 is read by the ordering
    // and the slots above the count belong to nobody.
    const double number = std::nearbyint(LeadingNumber(m_text3->text().toStdString())); // halves to even
    if (!(number >= 1 && number <= count)) {
        ShowMessage(this, CorrectionRangeMessage(count), MessageIcon::Warning);
        m_text3->setFocus(Qt::OtherFocusReason);
        m_text3->selectAll();
        return;
    }
    // A correction replaces both values; an empty box would silently store 0.
    if (m_text4->text().isEmpty() || m_text5->text().isEmpty()) {
        ShowMessage(this, kNoData, MessageIcon::Warning);
        return;
    }
    const int j = static_cast<int>(number);
    m_state.XData[j] = LeadingNumber(m_text4->text().toStdString());
    m_state.YData[j] = LeadingNumber(m_text5->text().toStdString());

    m_list1->clear();
    for (int i = 1; i <= count; ++i) {
        addListLine(i, QString::fromStdString(GeneralText(m_state.XData[i])),
                    QString::fromStdString(GeneralText(m_state.YData[i])));
    }
    // The ranges follow the corrected values, so the scale gating and the limits the main
    // window fills in from these labels describe the data actually handed over.
    for (int i = 1; i <= count; ++i)
        UpdateRange(m_state, i);
    showRanges();

    m_text3->clear();
    m_text4->clear();
    m_text5->clear();
    m_text3->setFocus(Qt::OtherFocusReason);
}

void Form11::publish() {
    if (enteredCount() == 0) {
        // Nothing typed since opening: the count in the state belongs to an earlier input.
        ShowMessage(this, kNoData, MessageIcon::Warning);
        return;
    }
    const PublishedPoints published =
        PublishEnteredPoints(m_state, RangeLabelTexts(m_rangeLabels), [] { RepaintPending(); });
    emit pointsPublished(published);
    hide();
}

void Form11::Command4_Click() {
    publish();
}

void Form11::Command6_Click() {
    publish();
}

void Form11::Command5_Click() {
    emit cancelled();
    hide();
}

void Form11::closeEvent(QCloseEvent* event) {
    if (isVisible())
        emit cancelled();
    event->accept(); // closing only hides the dialog
}

} // namespace mirendo
