#include "core/archive/BatchSavePath.h"

#include "core/archive/ArchiveFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace mirendo {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + '/' + name;
}

bool EndsWithIgnoringCase(const std::string& text, const char* end) {
    const std::size_t n = std::strlen(end);
    return text.size() >= n &&
           std::equal(text.end() - std::ptrdiff_t(n), text.end(), end, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace

std::string ProposedBatchPath(const std::string& archivePath) {
    if (archivePath.empty())
        return {};
    const std::string name = NameOf(archivePath);
    const std::size_t dot = name.rfind('.');
    return Join(FolderOf(archivePath), name.substr(0, dot) + "-batch.csv");
}

BatchSaveTarget BatchSavePath(const std::string& typed, const std::string& archivePath,
                              const std::string& currentFolder) {
    if (typed.empty())
        return {{}, BatchNameRefusal::NoName};
    std::string path = typed;
    if (path.front() != '/') {
        const std::string archive = archivePath.empty() || archivePath.front() == '/'
                                        ? archivePath
                                        : Join(currentFolder, archivePath);
        path = Join(archive.empty() ? currentFolder : FolderOf(archive), path);
    }
    const std::string name = NameOf(path);
    const std::size_t dot = name.rfind('.');
    if ((dot == std::string::npos || dot + 1 == name.size()) && path.back() != '/')
        path += ".csv";
    // The browser's archives end so (its lists ignore case): a table there would replace one.
    if (EndsWithIgnoringCase(NameOf(path), kArchiveSuffix))
        return {path, BatchNameRefusal::ArchiveName};
    return {path, std::nullopt};
}

} // namespace mirendo
