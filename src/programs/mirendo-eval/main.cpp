// mirendo-eval [OPTIONS] ARCHIVE [X ...]: prints the batch evaluation of a saved curve as CSV.
#include "programs/mirendo-eval/EvalCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = mirendo::RunEvalCommand(args, std::cin, std::cout, std::cerr);
    return mirendo::FinishStandardOutput(status, std::cerr);
}
