#pragma once
// The one form layer of every window: controls are described as rows of a table (objectName,
// kind, caption, rectangle in twips) and built from it, in one window font. 15 twips make a pixel.
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>
#include <span>
#include <typeinfo>
#include <vector>

class QLabel;
class QWidget;

namespace mirendo {

inline constexpr int kTwipsPerPixel = 15;
// The pixel size of the window font: every caption fits its control at this size.
inline constexpr int kWindowFontPixels = 12;

QRect TwipRect(int left, int top, int width, int height);
QSize TwipSize(int width, int height);

// The Japanese sans serif face of every window, at the window size unless told otherwise.
QFont WindowFont(int pixelSize = kWindowFontPixels, bool bold = false);

enum class ControlKind {
    Label,      // plain text; a width or height of 0 sizes it to its text
    BlueLabel,  // text in blue
    ValueLabel, // white framed box of a value the window writes (a ValueLabel, as ValueText is)
    Heading,    // bold text
    StepNumber, // a large bold circled digit that numbers a step
    Picture,    // an empty label the window draws a picture into
    Button,     // Enter presses it when it has the focus, as Space does
    TextBox,
    List,
    DriveList, // the drive choice of the folder lists
    Option,    // radio button
    Group,     // titled group box; rows naming it as parent sit inside it
    Fill,      // a filled rectangle (line, square, panel); the caption names its colour ("#rrggbb")
    Outline,   // an empty rectangle drawn as a thin box
    Graph,     // the graph area (a PictureBox whose drawing surface is the rectangle's size)
    Choice,    // a drop-down list of fixed choices, given in the caption separated by '|'
    ValueText, // plain text of a value the window writes (an axis limit, a point number)
    TextArea,  // a box of several lines of plain text
    Table,     // a table of rows and columns the window gives its model
};

// The name of a kind as the tables write it, nullptr for a value outside the enum; and the kind
// of a name (exact, case included). Every kind has one name and every name one kind.
const char* ControlKindName(ControlKind kind);
std::optional<ControlKind> ControlKindOfName(const QString& name);

// Edges of a control that keep their distance to the same edge of its parent when the parent is
// resized. A control following both edges of an axis grows with its parent; one following only
// the right (bottom) edge moves with it. Without a horizontal (vertical) edge it keeps its left
// (top) one.
enum Anchor : int { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

// One control of a window. Positions are in twips; `parent` names a Group row built before it
// (empty: the window); `note` says why a position differs from the window's drawn layout.
struct FormRow {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString caption;
    int left = 0, top = 0, width = 0, height = 0;
    QString note;
    QString parent;
    int anchors = 0; // Anchor flags; 0: the left and top edges, as every fixed window's controls
};

// A window's table as text: one control a line, tab-separated objectName, kind (as named in
// ControlKind), left, top, width, height, then optionally caption ("\n" breaks it), parent, note
// and the edges the control follows (the words left, top, right, bottom separated by blanks).
// Lines starting with '#' and empty lines are comments. A malformed line (an unknown kind or edge
// included) yields no rows and its 1-based number in `badLine`.
std::vector<FormRow> ParseFormTable(const QString& text, int* badLine = nullptr);

// The controls built from a table, found by objectName (the n-th of that name for a name used
// twice).
class FormControls {
  public:
    // The control of that name and kind. A control the table lacks, or one of another kind, is a
    // fault of the window's code or table: it stops the program, naming the window and control,
    // when the window is built.
    template <typename W> W* get(const char* name, int nth = 0) const {
        QWidget* widget = find(name, nth);
        W* control = dynamic_cast<W*>(widget);
        if (!control)
            stopOnWrongControl(name, nth, widget, typeid(W).name());
        return control;
    }
    // Any control of that name, nullptr when the table has none.
    QWidget* find(const char* name, int nth = 0) const;

  private:
    friend FormControls BuildForm(QWidget*, std::span<const FormRow>);
    friend FormControls BuildForm(QWidget*, const QString&);
    [[noreturn]] void stopOnWrongControl(const char* name, int nth, const QWidget* found,
                                         const char* kind) const;
    QWidget* m_window = nullptr;
    std::vector<QWidget*> m_widgets;
};

// Window title, objectName, the window font and the fixed client size in twips.
void SetUpWindow(QWidget* window, const char* objectName, const QString& title, int widthTwips,
                 int heightTwips);
// Builds every row as a child of `window` (or of its parent row) in table order. Rows that follow
// the right or bottom edge are placed again whenever their parent is resized, measured from the
// size the parent has now.
FormControls BuildForm(QWidget* window, std::span<const FormRow> rows);
// The same from a table file (a resource built into the program); a missing or malformed table
// is a build fault and stops the program with its name.
FormControls BuildForm(QWidget* window, const QString& tablePath);

// Connects every button of `window` named N to the window's slot "N_Click()": a handler is
// found by the control it belongs to, as the handlers are named. A push button without its
// handler (unless named in `wiredElsewhere`) and a "_Click()" slot without its button are faults
// of the window's code: they stop the program when the window is built. Returns the number of
// buttons connected.
int ConnectButtonHandlers(QWidget* window, std::initializer_list<const char*> wiredElsewhere = {});

} // namespace mirendo
