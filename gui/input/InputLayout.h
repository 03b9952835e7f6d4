#pragma once
// Building blocks of the input windows: controls placed at twips positions (15 twips per
// pixel), the window font, range labels, separator lines and the Enter-key focus paths.
#include <QColor>
#include <QHash>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace mirendo::inputlayout {

constexpr int kTwipsPerPixel = 15;

QRect Twips(int left, int top, int width, int height);

// Window font: a Japanese sans serif small enough for the control sizes.
void SetWindowFont(QWidget* window);
// Fixed client size in twips.
void SetClientSize(QWidget* window, int widthTwips, int heightTwips);

// A label at (left, top); a width or height of 0 sizes it to its text.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width = 0,
                 int height = 0, bool blue = false);
// White, framed label of a range value.
QLabel* AddRangeLabel(QWidget* parent, const char* name, int left, int top, int width = 1335,
                      int height = 375);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, int left, int top,
                       int width, int height);
QLineEdit* AddTextBox(QWidget* parent, const char* name, int left, int top, int width, int height);
QListWidget* AddList(QWidget* parent, const char* name, int left, int top, int width, int height);
// Horizontal line from x1 to x2 at y (twips), 1 pixel thick.
QFrame* AddLine(QWidget* parent, const char* name, int x1, int x2, int y, const QColor& colour);
// Filled square or rectangle.
QFrame* AddBox(QWidget* parent, const char* name, int left, int top, int width, int height,
               const QColor& colour);

// Lets pending events be processed once so the windows repaint during a long step. User input
// waits: a click handled in the middle of ordering would read or publish half-ordered points.
void RepaintPending();

// Names a screen reader reads for the range labels Label31 .. Label34 ("X の最小値" ...).
void NameRangeLabels(const std::array<QLabel*, 4>& labels);
// The range labels Label31 .. Label34 of a window, in that order.
void SetRangeTexts(const std::array<QLabel*, 4>& labels, const std::array<std::string, 4>& texts);
std::array<std::string, 4> RangeLabelTexts(const std::array<QLabel*, 4>& labels);

// Enter (Return or keypad Enter) in a registered text box moves the focus to its next widget;
// Enter on a registered button clicks it, so a point can be typed without the mouse.
class EnterKeys : public QObject {
    Q_OBJECT
  public:
    explicit EnterKeys(QObject* parent) : QObject(parent) {}
    void moveOn(QLineEdit* from, QWidget* to);
    void clickOnEnter(QPushButton* button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QHash<QObject*, QWidget*> m_next;
};

} // namespace mirendo::inputlayout
