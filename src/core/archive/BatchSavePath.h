#pragma once
// Where the batch evaluation saves its table: the name proposed beside the loaded archive, and the
// file a typed name stands for.
#include <optional>
#include <string>

namespace mirendo {

// "<archive name less its extension>-batch.csv" in the archive's folder; empty without an archive.
std::string ProposedBatchPath(const std::string& archivePath);

enum class BatchNameRefusal {
    NoName,      // nothing typed
    ArchiveName, // the name ends as an archive's: the browser would list the table as one
};

struct BatchSaveTarget {
    std::string path; // the file to write, when not refused
    std::optional<BatchNameRefusal> refusal;
};

// `typed`: the path box as it stands. A relative name lands in the folder of `archivePath`, or
// in `currentFolder` without an archive; a name without an extension gets ".csv".
BatchSaveTarget BatchSavePath(const std::string& typed, const std::string& archivePath,
                              const std::string& currentFolder);

} // namespace mirendo
