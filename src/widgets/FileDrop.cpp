#include "widgets/FileDrop.h"

#include "qt/messages/Messages.h"
#include "widgets/MessageBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMetaObject>
#include <QMimeData>
#include <QString>
#include <QUrl>
#include <QWidget>

namespace mirendo {

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
