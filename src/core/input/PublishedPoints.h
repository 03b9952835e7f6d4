#pragma once
// What an input dialog hands to the main window when its points are accepted. The dialog never
// touches the main window's controls; the main window applies this to its own.
#include <array>
#include <string>
#include <vector>

namespace mirendo {

struct PublishedPoints {
    std::vector<std::string> tableLines;   // data table List1, in order
    std::array<std::string, 4> rangeTexts; // Label31 XMin, Label32 XMax, Label33 YMin, Label34 YMax
    bool enableAllOptionsFirst = false;    // the file read enables all four scale options first
    bool logXAllowed = true;               // false: disable " Log - Linear" and " Log - Log"
    bool logYAllowed = true;               // false: disable " Linear - Log" and " Log - Log"
    bool reordered = false;                // the points were put in ascending X order first
};

} // namespace mirendo
