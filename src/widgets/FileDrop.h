#pragma once
// A drop on a window: the dropped URLs as items, the decision of DropChoice, the answer.
#include "core/input/DropChoice.h"

#include <functional>
#include <string>
#include <vector>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QString;
class QWidget;

namespace mirendo {

// The message that explains a refusal to the user.
QString DropRefusalText(DropTarget target, DropRefusal refusal);

// The dropped URLs as items; a folder is recognised on disk.
std::vector<DroppedItem> DroppedItemsOf(const QMimeData& data);

// A drag is let in when it could be a file, so that a drop the window refuses is answered by a
// message instead of a silent no-entry cursor.
void LetInPossibleFile(QDragEnterEvent* event);

// Answers a drop on `window`: the refusal message, or `take` with the chosen path. Both happen
// once the drop has finished, since a modal box inside the drop keeps the dragging program waiting.
void AnswerDrop(QWidget* window, DropTarget target, QDropEvent* event, bool acceptingInput,
                std::function<void(const QString& path)> take);

} // namespace mirendo
