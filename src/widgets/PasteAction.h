#pragma once
// "貼り付け" on Ctrl+V anywhere in a window, for the windows that take points from the clipboard.
#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace mirendo {

// Adds the action "CommandPaste" to `window` (Ctrl+V while the window is active); when it is
// triggered, `paste` gets the clipboard's text. The window's text boxes keep their own paste
// unless the window claims the key for them.
QAction* AddPasteAction(QWidget* window, std::function<void(const QString&)> paste);

// The clipboard's text, as the paste action hands it over.
QString ClipboardText();

// A clipboard that holds rows to paste: more than one line, or a tab between cells, as a
// spreadsheet copies them. A single line without a tab is text for the box it is pasted into,
// whatever it holds ("1,234" may be a thousands grouping, "1,5" a decimal comma).
bool HoldsRows(const QString& text);

} // namespace mirendo
