// Mirendo: the start window first; the program ends only through it.
#include "state/Module1.h"
#include "widgets/MessageBox.h"
#include "windows/Form2.h"
#include "windows/WindowSet.h"
#include "windows/WorkFolderLock.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirendo"));
    // The desktop shell finds the menu entry (name, icon) of these windows by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("mirendo"));
    QApplication::setQuitOnLastWindowClosed(false); // hiding every window must not end the program

    // Held until main returns; a second Mirendo in this folder would share the exchange files.
    const QString workFolder = QDir::currentPath();
    const mirendo::WorkFolderClaim claim = mirendo::ClaimWorkFolder(workFolder);
    if (claim.outcome == mirendo::WorkFolderClaim::Outcome::InUse) {
        mirendo::ShowMessage(nullptr, mirendo::WorkFolderInUseMessage(workFolder));
        return 1;
    }

    mirendo::Module1 state;
    mirendo::WindowSet windows(state);
    // Ends at once: no window runs its own close handling on the way out.
    QObject::connect(&windows, &mirendo::WindowSet::exitRequested, &app, [] { QCoreApplication::exit(0); });
    windows.form2()->show();
    return QApplication::exec();
}
