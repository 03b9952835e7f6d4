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

// Asks `text` with Yes and No, No the default (Enter or Escape keeps things as they are); true
// after Yes.
bool AskYesNo(QWidget* parent, const QString& text);

// Answers a question for tests: true for Yes. Without one, a question goes to the message hook
// (when installed) with MessageIcon::Question and is answered No.
using QuestionHook = std::function<bool(const QString& text)>;
void SetQuestionHook(QuestionHook hook);

// The system beep.
void Beep();

} // namespace mirendo
