#pragma once
// Building blocks of the archive windows: controls placed at twips positions (15 twips per
// pixel), the window font, and the arrow picture the browser draws itself.
#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QComboBox;
class QPushButton;
class QWidget;

namespace mirendo::archivelayout {

QRect Twips(int left, int top, int width, int height);

// Japanese sans serif at a size that fits the 285-twip label rows; fixed client size in twips.
void SetUpWindow(QWidget* window, const QString& caption, int widthTwips, int heightTwips);

enum class LabelStyle { Plain, Blue, Value };
// `Value` is the white framed box of a value that the window writes.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                 LabelStyle style = LabelStyle::Plain);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect geometry);
QLineEdit* AddTextBox(QWidget* parent, const char* name, QRect geometry);
QComboBox* AddDriveList(QWidget* parent, QRect geometry);
QListWidget* AddList(QWidget* parent, const char* name, QRect geometry);

// A blue arrow pointing right, the browser's "evaluate" picture.
QPixmap RightArrowPixmap(QSize size);

} // namespace mirendo::archivelayout
