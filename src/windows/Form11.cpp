#include "windows/Form11.h"

#include "core/input/Ordering.h"
#include "core/input/PastedPoints.h"
#include "core/input/TypedValue.h"
#include "core/text/NumberText.h"
#include "qt/messages/Messages.h"
#include "widgets/EnterKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/MessageBox.h"
#include "widgets/PasteAction.h"
#include "widgets/PendingEvents.h"
#include "widgets/RangeLabels.h"
#include "widgets/ValueLabel.h"
#include "windows/Form3.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

namespace mirendo {

namespace {
QString kNoData() {
    return PaddedLines(QCoreApplication::translate("mirendo::Form11", "データが入力されていません"),
                       kOneBlankMargin);
}
QString kLimitReached() {
    return PaddedLines(QCoreApplication::translate("mirendo::Form11", "データ数が上限(10)になりました"),
                       kOneBlankMargin);
}
QString kNothingToCorrect() {
    return PaddedLines(QCoreApplication::translate("mirendo::Form11", "修正できるデータがありません"),
                       kOneBlankMargin);
}

QString CorrectionRangeMessage(int count) {
    return PaddedLines(QCoreApplication::translate("mirendo::Form11",
                                                   "修正するデータ番号は 1 ～ %1 の範囲で入力して下さい"),
                       kOneBlankMargin)
        .arg(count);
}

// The two values of a row, or the warning naming the first box that holds no number, or a number
// that no double holds as typed or no axis carries to the single-precision engine (its text stays,
// selected, so that it can be typed over) and nothing.
std::optional<std::pair<double, double>> ReadRow(QWidget* parent, QLineEdit* xBox, QLineEdit* yBox) {
    const std::pair<QLineEdit*, QString> boxes[2] = {{xBox, QStringLiteral("X")},
                                                     {yBox, QStringLiteral("Y")}};
    double values[2] = {};
    for (int i = 0; i < 2; ++i) {
        const auto& [box, axis] = boxes[i];
        const std::string text = box->text().toStdString();
        const TypedValue typed = ReadTypedValue(text);
        const bool beyondDouble = typed.fault == TypedFault::BeyondDouble;
        QString refusal;
        if (typed.fault == TypedFault::NoNumber)
            refusal = NotANumberMessage(axis);
        else if (beyondDouble || !PointValueCarried(typed.value))
            refusal = EntryValueMessage(axis, text, beyondDouble);
        if (!refusal.isEmpty()) {
            ShowMessage(parent, refusal, MessageIcon::Warning);
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
            return std::nullopt;
        }
        values[i] = typed.value;
    }
    return std::pair{values[0], values[1]};
}

} // namespace

Form11::Form11(Module1& state, QWidget* parent) : QWidget(parent, Qt::Window), m_state(state) {
    SetUpWindow(this, "Form11", tr(" データ入力（手入力）"), 8280, 7920);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form11.tsv"));
    m_label4 = c.get<ValueLabel>("Label4");
    m_label4->setAlignment(Qt::AlignCenter);
    m_text1 = c.get<QLineEdit>("Text1");
    m_text2 = c.get<QLineEdit>("Text2");
    m_text3 = c.get<QLineEdit>("Text3");
    m_text4 = c.get<QLineEdit>("Text4");
    m_text5 = c.get<QLineEdit>("Text5");
    m_command1 = c.get<QPushButton>("Command1");
    m_command2 = c.get<QPushButton>("Command2");
    m_command3 = c.get<QPushButton>("Command3");
    m_command4 = c.get<QPushButton>("Command4");
    m_command5 = c.get<QPushButton>("Command5");
    m_command6 = c.get<QPushButton>("Command6");
    m_command7 = c.get<QPushButton>("Command7");
    m_list1 = c.get<QListWidget>("List1");
    m_rangeLabels = RangeLabelsOf(c);
    wireControls();
}

void Form11::wireControls() {
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

    m_label4->setMeaning(tr("入力中のデータ番号"));
    m_text1->setAccessibleName(tr("X 値"));
    m_text2->setAccessibleName(tr("Y 値"));
    m_text3->setAccessibleName(tr("修正するデータ番号"));
    m_text4->setAccessibleName(tr("修正後の X 値"));
    m_text5->setAccessibleName(tr("修正後の Y 値"));
    m_command7->setAccessibleName(tr("OK（修正）"));
    m_list1->setAccessibleName(tr("入力したデータ"));
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

    ConnectButtonHandlers(this);

    // "貼り付け" is in the window's context menu and on Ctrl+V; in the entry boxes Ctrl+V pastes
    // rows only when the clipboard holds rows, so a single cell still goes into the box.
    QAction* paste = AddPasteAction(this, [this](const QString& text) { pastePoints(text); });
    paste->setToolTip(tr("クリップボードの X と Y の行を入力する"));
    setContextMenuPolicy(Qt::ActionsContextMenu);
    m_text1->installEventFilter(this);
    m_text2->installEventFilter(this);

    m_command3->setEnabled(false);
    m_command4->setEnabled(false);
    m_command6->setEnabled(false);
}

void Form11::resetForMainWindowReset() {
    m_label4->setValue(QStringLiteral("1"));
    m_text1->clear();
    m_text2->clear();
    m_list1->clear();
    SetRangeTexts(m_rangeLabels, {});
}

void Form11::openForEntry() {
    m_state.EntryNo = 1;
    m_label4->setValue(QStringLiteral("1"));
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
        ShowMessage(this, kLimitReached(), MessageIcon::None);
        m_command2->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_text1->text().isEmpty() || m_text2->text().isEmpty()) {
        ShowMessage(this, kNoData(), MessageIcon::Warning);
        return;
    }
    const auto point = ReadRow(this, m_text1, m_text2);
    if (!point)
        return;
    takePoint(point->first, point->second);
    emit typedPointsChanged();
}

void Form11::takePoint(double x, double y) {
    const int k = std::max(m_state.EntryNo, 1);
    m_state.XData[k] = x;
    m_state.YData[k] = y;
    addListLine(k, m_text1->text(), m_text2->text());
    UpdateRange(m_state, k);
    showRanges();
    m_state.PointCount = k;
    m_state.EntryNo = k + 1;
    if (m_state.EntryNo > Module1::kMaxPoints) {
        ShowMessage(this, kLimitReached(), MessageIcon::None);
        m_command2->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_label4->setValue(QString::number(m_state.EntryNo));
    m_text1->clear();
    m_text2->clear();
    m_text1->setFocus(Qt::OtherFocusReason);
}

void Form11::pastePoints(const QString& text) {
    const int room = Module1::kMaxPoints - std::clamp(m_state.EntryNo - 1, 0, Module1::kMaxPoints);
    const PastedPoints pasted = ReadPastedPoints(text.toUtf8().toStdString(), room);
    if (!pasted.ok()) {
        ShowMessage(this, PasteMessage(*pasted.failure), MessageIcon::Warning);
        return;
    }
    // Each row as typed into the entry row and taken by "OK・次データ": listed with its text,
    // ranges updated, and the limit message once the tenth point is in.
    for (const PastedPoint& point : pasted.points) {
        m_text1->setText(QString::fromStdString(point.xText));
        m_text2->setText(QString::fromStdString(point.yText));
        takePoint(point.x, point.y);
    }
    emit typedPointsChanged();
}

bool Form11::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste) && HoldsRows(ClipboardText())) {
            // Claim the shortcut from the box, then paste the rows on the key press.
            if (event->type() == QEvent::KeyPress)
                pastePoints(ClipboardText());
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
        ShowMessage(this, kNothingToCorrect(), MessageIcon::Warning);
        return;
    }
    // Only the points typed in this entry may be corrected: element 0 is read by the ordering
    // and the slots above the count belong to nobody.
    // Halves to even; a text without a number is no point number, refused by the range test.
    const double number = std::nearbyint(TypedNumber(m_text3->text().toStdString()).value_or(0));
    if (!(number >= 1 && number <= count)) {
        ShowMessage(this, CorrectionRangeMessage(count), MessageIcon::Warning);
        m_text3->setFocus(Qt::OtherFocusReason);
        m_text3->selectAll();
        return;
    }
    // A correction replaces both values; an empty box would silently store 0.
    if (m_text4->text().isEmpty() || m_text5->text().isEmpty()) {
        ShowMessage(this, kNoData(), MessageIcon::Warning);
        return;
    }
    const auto point = ReadRow(this, m_text4, m_text5);
    if (!point)
        return;
    const int j = static_cast<int>(number);
    std::tie(m_state.XData[j], m_state.YData[j]) = *point;

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
    emit typedPointsChanged();
}

void Form11::publish() {
    if (enteredCount() == 0) {
        // Nothing typed since opening: the count in the state belongs to an earlier input.
        ShowMessage(this, kNoData(), MessageIcon::Warning);
        return;
    }
    const PublishedPoints published = PublishEnteredPoints(m_state, RangeLabelTexts(m_rangeLabels));
    // The windows repaint after the ordering step and before the main window takes the points.
    if (published.reordered)
        LetPendingPaintsThrough();
    LetPendingPaintsThrough();
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
