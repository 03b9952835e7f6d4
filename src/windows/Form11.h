#pragma once
// Manual entry dialog: the user types up to ten points, X then Y, corrects them by number and
// hands them to the main window, which applies what pointsPublished carries. A box is read as
// its leading number ("12abc" is 12, full-width digits are digits); a row with a box that holds
// no number at all is refused with a warning and nothing is stored. Ctrl+V or "貼り付け" in the
// context menu takes rows of X and Y from the clipboard, each as "OK・次データ" takes a point.
#include "core/input/PublishedPoints.h"
#include "core/state/Module1.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mirendo {

class ValueLabel;

class Form11 : public QWidget {
    Q_OBJECT
  public:
    explicit Form11(Module1& state, QWidget* parent = nullptr);

    // Part of the main window's reset: point label "1", X and Y boxes, list and range labels empty.
    void resetForMainWindowReset();
    // Opening for a new entry: EntryNo := 1, boxes, list and range labels empty, correction and
    // finishing buttons off; shows the dialog with the focus in the X box.
    void openForEntry();

    // Points typed since the dialog was opened: XData/YData 1 .. this.
    int enteredCount() const;

  signals:
    void pointsPublished(const mirendo::PublishedPoints& points);
    void cancelled();
    // A point was typed or pasted, or one corrected: the entered points changed.
    void typedPointsChanged();

  private:
    // The close box cancels: otherwise the hidden main window would never come back.
    void closeEvent(QCloseEvent* event) override;
    // Ctrl+V in the entry row pastes points when the clipboard holds rows (lines or tabs).
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    // Handlers of the controls, connected in the constructor.
    void Command1_Click(); // "OK・次データ": take the point of the entry row
    void Command2_Click(); // "入力終了": allow corrections and finishing
    void Command3_Click(); // "入力値を修正する": focus to the correction number
    void Command4_Click(); // "OK（修正なし）": publish
    void Command5_Click(); // "キャンセル"
    void Command6_Click(); // "修正終了": publish
    void Command7_Click(); // "OK" of the correction row
    // "貼り付け" (Ctrl+V): the clipboard's rows entered one by one, or none with a message.
    void pastePoints(const QString& text);

  private:
    void wireControls();
    void publish();
    void showRanges();
    void addListLine(int number, const QString& x, const QString& y);
    // Steps of "OK・次データ" once the entry row has been read as the point (x, y).
    void takePoint(double x, double y);

    Module1& m_state;
    ValueLabel* m_label4 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QLineEdit* m_text4 = nullptr;
    QLineEdit* m_text5 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
    QPushButton* m_command7 = nullptr;
    QListWidget* m_list1 = nullptr;
    std::array<ValueLabel*, 4> m_rangeLabels{};
};

} // namespace mirendo
