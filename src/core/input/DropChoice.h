#pragma once
// Which dropped file a window takes. The decision is plain data in, plain data out, so it is
// tested without a drag; the windows only turn their drop event into items, ask, and forward the
// chosen path to the same reading their file lists lead to.
#include <string>
#include <vector>

namespace mirendo {

enum class DropTarget {
    PointFile, // the main window: a ".csv" or ".dat" point file, read as the file-input dialog does
    Archive,   // the browser: a "*Mi.csv" interpolated-data file, opened as its file list does
};

enum class DropRefusal {
    None,
    NoFile,       // text or other data, not a file
    SeveralFiles, // one file at a time
    Folder,
    NotLocal,  // a URL that names no file on this computer
    WrongKind, // a file the window's file list would not show
    NotNow,    // the window does not take new input at the moment
};

struct DroppedItem {
    bool local = true; // a file on this computer
    std::string path;  // the local path (UTF-8)
    bool folder = false;
};

struct DropChoice {
    DropRefusal refusal = DropRefusal::None;
    std::string path; // the file to read when accepted
    bool accepted() const { return refusal == DropRefusal::None; }
};

// The one file `target` takes from `items`, or why it takes none. `acceptingInput` is whether the
// window would take new input by its own controls now.
DropChoice ChooseDrop(DropTarget target, const std::vector<DroppedItem>& items, bool acceptingInput);

// True when the file list of `target` would show a file of this name (case as the lists ignore it).
bool DropTargetShows(DropTarget target, const std::string& fileName);

} // namespace mirendo
