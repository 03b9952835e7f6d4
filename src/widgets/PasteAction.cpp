#include "widgets/PasteAction.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <utility>

namespace mirendo {

QAction* AddPasteAction(QWidget* window, std::function<void(const QString&)> paste) {
    auto* action = new QAction(QCoreApplication::translate("PasteAction", "貼り付け"), window);
    action->setObjectName(QStringLiteral("CommandPaste"));
    action->setShortcut(QKeySequence::Paste);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window,
                     [paste = std::move(paste)] { paste(ClipboardText()); });
    window->addAction(action);
    return action;
}

QString ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

bool HoldsRows(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.contains(QLatin1Char('\n')) || trimmed.contains(QLatin1Char('\r')) ||
           trimmed.contains(QLatin1Char('\t'));
}

} // namespace mirendo
