#pragma once
// Why a file could not be written, told in Japanese: every place that writes a file the user
// named, or the exchange request, words a failed write through this one function, so no
// message ever passes on the system's English text ("File name too long").
#include <QString>

namespace mirendo {

// Two lines for a message box, each padded with two blanks: the file's path (shortened in the
// middle when very long) and the cause read from the system's error number `code` (errno).
QString WriteFailureText(const QString& path, int code);

} // namespace mirendo
