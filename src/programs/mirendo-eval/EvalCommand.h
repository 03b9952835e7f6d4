#pragma once
// mirendo-eval: a saved curve evaluated from the command line, as the batch window evaluates it.
// The whole run is a function of its arguments and input so that tests call it without a process.
#include <iosfwd>
#include <string>
#include <vector>

namespace mirendo {

enum EvalStatus : int {
    kEvalOk = 0,
    kEvalArchiveUnreadable = 1, // the archive could not be read; the message names line and field
    kEvalUsage = 2,             // wrong arguments
    kEvalValuesRefused = 3,     // every row printed, but at least one value got no answer
    kEvalOutputFailed = 4,      // the CSV could not be written whole to standard output
};

// Runs "mirendo-eval ARGS" (without the program name): X values from the arguments after the
// archive, or else from `in` (one a line; blanks, commas and tabs also separate). The batch
// window's CSV goes to `out`, messages to `err`. With --inverse the values are Y and the CSV is
// the batch window's Y → X ("Y,X,外挿", one line per X found). --grid START STOP STEP and
// --per-decade N START STOP take the X values from a grid (ValueGrid; a refused grid is a usage
// error), --slope adds the slope column ("X,Y,dY/dX,外挿").
// A value that is no number, or that the curve cannot be asked for, still gets its row; the run
// then ends with kEvalValuesRefused. "No X" (該当なし) is an answer. `out` is flushed and checked:
// a failed write is told on `err` and ends with kEvalOutputFailed.
int RunEvalCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

// The end of the program: standard output (the C stream, after `out` was flushed) closed and
// checked. Returns `status`, or kEvalOutputFailed with a message on `err` when the close failed.
int FinishStandardOutput(int status, std::ostream& err);

} // namespace mirendo
