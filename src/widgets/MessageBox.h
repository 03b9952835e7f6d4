#pragma once
// Modal message boxes titled "Mirendo". Tests install hooks that record each message and answer
// each question instead of showing them, so an unexpected box fails the test rather than hanging
// it.
#include <QString>
#include <functional>

class QWidget;

namespace mirendo {

enum class MessageIcon { Warning, None, Critical, Question };

// Shows the box (or hands it to the hook). Returns after the user pressed OK.
void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::Warning);

using MessageHook = std::function<void(const QString& text, MessageIcon icon)>;
// Installs (or, with an empty function, removes) the hook for tests.
void SetMessageHook(MessageHook hook);

// A modal question with the buttons "はい(Y)" and "いいえ(N)", titled "Mirendo"; true for Yes. No is
// the default and the Escape button, so Enter or Escape alone never confirms; with `yesIsDefault`
// Enter answers Yes (for a question whose No throws something away).
bool AskYesNo(QWidget* parent, const QString& text, bool yesIsDefault = false);

// Answers a question for tests: true for Yes. Without one, a question goes to the message hook
// (when installed) with MessageIcon::Question and is answered No.
using QuestionHook = std::function<bool(const QString& text)>;
void SetQuestionHook(QuestionHook hook);

// The warning for a box that holds no number: "　X の値が数値ではありません　" for `box` "X".
QString NotANumberMessage(const QString& box);

// The system beep.
void Beep();

} // namespace mirendo
