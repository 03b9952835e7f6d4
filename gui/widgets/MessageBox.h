#pragma once
// Modal message boxes titled "Mirendo". Tests install a hook that records each message
// instead of showing it, so an unexpected box fails the test rather than hanging it.
#include <QString>
#include <functional>

class QWidget;

namespace mirendo {

enum class MessageIcon { Warning, None, Critical };

// Shows the box (or hands it to the hook). Returns after the user pressed OK.
void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::Warning);

using MessageHook = std::function<void(const QString& text, MessageIcon icon)>;
// Installs (or, with an empty function, removes) the hook for tests.
void SetMessageHook(MessageHook hook);

// A modal question with the buttons "はい(Y)" and "いいえ(N)", titled "Mirendo"; true for Yes. No is
// the default button, so Enter alone never confirms.
bool AskYesNo(QWidget* parent, const QString& text);

using QuestionHook = std::function<bool(const QString& text)>;
// Installs (or removes) the hook that answers questions in tests.
void SetQuestionHook(QuestionHook hook);

// The warning for a box that holds no number: "　X の値が数値ではありません　" for `box` "X".
QString NotANumberMessage(const QString& box);

// The system beep.
void Beep();

} // namespace mirendo
