#include "widgets/FileDrop.h"

#include "widgets/MessageBox.h"
#include "widgets/Messages.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMetaObject>
#include <QMimeData>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cctype>

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

QString DropRefusalText(DropTarget target, DropRefusal refusal) {
    return DropRefusalMessage(target, refusal);
}

std::vector<DroppedItem> DroppedItemsOf(const QMimeData& data) {
    std::vector<DroppedItem> items;
    for (const QUrl& url : data.urls()) {
        DroppedItem item;
        item.local = url.isLocalFile();
        if (item.local) {
            const QString path = url.toLocalFile();
            item.path = path.toStdString();
            item.folder = QFileInfo(path).isDir();
        }
        items.push_back(std::move(item));
    }
    return items;
}

void LetInPossibleFile(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void AnswerDrop(QWidget* window, DropTarget target, QDropEvent* event, bool acceptingInput,
                std::function<void(const QString& path)> take) {
    const DropChoice choice = ChooseDrop(target, DroppedItemsOf(*event->mimeData()), acceptingInput);
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        window,
        [window, target, choice, take = std::move(take)] {
            if (!choice.accepted())
                ShowMessage(window, DropRefusalText(target, choice.refusal));
            else
                take(QString::fromStdString(choice.path));
        },
        Qt::QueuedConnection);
}

} // namespace mirendo
