#include "core/input/DropChoice.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace mirendo {

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size())
        return false;
    return std::equal(
        suffix.begin(), suffix.end(), text.end() - std::ptrdiff_t(suffix.size()), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool DropTargetShows(DropTarget target, const std::string& fileName) {
    // The lists' patterns: "*.dat" and "*.csv" for point files in any case, "*Mi.csv" for archives
    // with its case as written (so "lo_semi.csv" is a point file, not an archive); the
    // star needs at least nothing before the suffix, so ".csv" alone is a (hidden) match too.
    switch (target) {
    case DropTarget::PointFile:
        return EndsWithNoCase(fileName, ".csv") || EndsWithNoCase(fileName, ".dat");
    case DropTarget::Archive:
        return fileName.size() >= 6 && fileName.compare(fileName.size() - 6, 6, "Mi.csv") == 0;
    }
    return false;
}

DropChoice ChooseDrop(DropTarget target, const std::vector<DroppedItem>& items, bool acceptingInput) {
    DropChoice choice;
    if (items.empty())
        choice.refusal = DropRefusal::NoFile;
    else if (items.size() > 1)
        choice.refusal = DropRefusal::SeveralFiles;
    else if (!items.front().local || items.front().path.empty())
        choice.refusal = DropRefusal::NotLocal;
    else if (items.front().folder)
        choice.refusal = DropRefusal::Folder;
    else if (!DropTargetShows(target, FileNameOf(items.front().path)))
        choice.refusal = DropRefusal::WrongKind;
    else if (!acceptingInput)
        choice.refusal = DropRefusal::NotNow;
    else
        choice.path = items.front().path;
    return choice;
}

} // namespace mirendo
