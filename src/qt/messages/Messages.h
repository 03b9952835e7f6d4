#pragma once
// Every text the user sees for a failure: readers, the request check, the engine bridge and the
// saves hand over exchange::Failure values, and the windows word them here, so each wording lives
// in one place and nothing below the windows writes message text. Qt Core only; the archive texts
// that mirendo-eval prints as well come from MessageTexts.h (plain C++), which this file builds on.
#include "core/chart/Calibration.h"
#include "core/chart/ChartFiles.h"
#include "core/exchange/Failure.h"
#include "core/state/SettingTexts.h"
#include "qt/chart/ChartPicture.h"

#include <QString>

namespace mirendo {

enum class DropTarget;  // input/DropChoice.h
enum class DropRefusal; // widgets/FileDrop.h

// The blanks that set a message's lines off from the box's edges belong to the layout, not to the
// words: a translated text gets them here, each line that is not empty between two margins, so no
// translation has to carry them.
inline constexpr QStringView kWideMargin = u"\u3000"; // an ideographic space
inline constexpr QStringView kTwoBlankMargin = u"  ";
inline constexpr QStringView kOneBlankMargin = u" ";
QString PaddedLines(const QString& text, QStringView margin);

// The engine bridge's failures: writing the request, starting or running Ventrel, reading its
// result file. Each is a whole message box text.
QString CalculationMessage(const exchange::Failure& failure);

// A failed write (Cause::WriteFailed, the path in `file`, errno in `code`): two lines, each padded
// with two blanks, the path (shortened in the middle when very long) and the cause in our own
// words, never the system's English text. Callers put their heading above it.
QString WriteFailureMessage(const exchange::Failure& failure);

// Human name of graph-setting box `index` (0..5), e.g. "X 軸 開始値".
QString SettingBoxName(int index);

// Why a saved curve (*-Mi.csv) was refused, in one line: what mirendo-eval prints after the path
// and the browser shows under the file's name.
QString ArchiveReadText(const exchange::Failure& failure);
// The browser's message box for a refused file `fileName`.
QString ArchiveOpenMessage(const exchange::Failure& failure, const QString& fileName);
// The save dialog's message box when the curve cannot be written as a file the browser reopens;
// `settings` are the setting texts the save was given.
QString ArchiveSaveMessage(const exchange::Failure& failure, const SettingTexts& settings);

// The read-error window's cause line for a point file `fileName` that was refused:
// "3 行目：Y の値「abc」が数値ではありません".
QString PointFileMessage(const exchange::Failure& failure, const QString& fileName);

// The manual entry's message box for a paste it refused (ReadPastedPoints): nothing of it was
// entered, and why, naming the line: "3 行目：X と Y の 2 つの数値の行ではありません".
QString PasteMessage(const exchange::Failure& failure);

// The main window's message box for a value the request file cannot carry (Cause::NotCarried,
// `item` the value as the user gave it).
QString RequestMessage(const exchange::Failure& failure);

// A file that is not taken, under its shown name or path (the path once), with why in one line.
QString FileRefusalMessage(const QString& why, const QString& shownName);

// A file handed to Mirendo at start that neither window takes: what kept it from being read
// (FileProblemText), or that Mirendo does not read its type (Cause::UnreadType).
QString StartFileMessage(const exchange::Failure& failure, const QString& path);

// A dropped archive that reads but that the browser's file list cannot show.
QString ArchiveNotListedMessage(const QString& path);

// The help window's message box for an example file it could not list: the heading naming the
// file, then the cause.
QString ExampleFileMessage(const exchange::Failure& failure, const QString& fileName);

// The help window's last list entry when an example file is too long to list whole.
QString ExampleCutNote(int shownLines);

// Why a drop on the main window or the browser was refused; empty for DropRefusal::None.
QString DropRefusalMessage(DropTarget target, DropRefusal refusal);

// The socket folder of files handed over by a second start (FileHandOver), and why this program
// cannot take them: a folder that is not this user's own, open to others, not a folder (a link,
// say), or not made; or a socket that cannot listen there.
enum class HandOverTrouble {
    FolderOfAnotherUser,
    FolderOpenToOthers,
    FolderNotAFolder,
    FolderNotMade,
    CannotListen
};
// The message box at start when this program cannot take files handed over; it works alone.
QString HandOverOffMessage(HandOverTrouble trouble, const QString& folder);
// The line put above the folder-in-use refusal when a second start could not hand `file` over.
QString FileNotHandedOverMessage(const QString& file);

// The main window's settings OK for a limit the graph cannot be drawn with: setting box `box`
// (0..5) holding `text`, a limit of a logarithmic axis when `logAxis`.
QString UndrawableLimitMessage(int box, const std::string& text, bool logAxis);

// The main window after the settings OK when `count` points lie outside the graph's limits.
QString PointsOutsideMessage(int count);

// The manual entry's refusal of the value typed as `text` in the box of `axis` ("X" or "Y"): a
// number no double holds when `beyondDouble`, otherwise one no axis carries to the engine.
QString EntryValueMessage(const QString& axis, const std::string& text, bool beyondDouble);

// The points typed by hand kept for a crash (the recovery file): the question at start when one
// is found, the refusal of a damaged one, and the warning once when it cannot be written (`failure`
// Cause::WriteFailed).
QString RecoveryQuestion();
QString RecoveryDamagedMessage();
QString RecoveryNotWrittenMessage(const exchange::Failure& failure);
// Asked before a hand-over, a paste or a drop takes the place of points typed by hand.
QString ReplaceTypedPointsQuestion();

// The chart window: a picture that could not be opened (`read` says why), the question whether
// the calibration and points kept beside a picture are taken back, why they were not, that they
// could not be kept (`failure` Cause::WriteFailed), a paste without a picture, a reference value
// that is no number, a calibration refused, a hand-over or save without points, a snap that found
// no line.
QString ChartPictureMessage(const ChartPictureRead& read, const QString& path);
QString ChartSideFileQuestion();
QString ChartSideFileRefusedMessage(const chart::SideFileRefusal& refusal);
QString ChartSideFileNotWrittenMessage(const exchange::Failure& failure);
QString ChartNoPictureInClipboardMessage();
QString ChartReferenceValueMessage(const QString& reference, const QString& text);
QString ChartCalibrationMessage(const chart::CalibrationRefusal& refusal);
QString ChartNoPointsMessage();
QString ChartNoLineMessage();
// Before a picture replaces a pasted one with work on it (it has no file to keep the work beside).
QString ChartPastedWorkQuestion();

} // namespace mirendo
