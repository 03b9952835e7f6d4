// Mirendo: the start window first; the program ends only through it.
#include "core/state/Module1.h"
#include "programs/mirendo/DesktopEntryWords.h" // the desktop entry's words, for the catalogue
#include "programs/mirendo/FileHandOver.h"
#include "programs/mirendo/WindowSet.h"
#include "programs/mirendo/WorkFolderLock.h"
#include "qt/lang/Language.h"
#include "qt/messages/Messages.h"
#include "widgets/MessageBox.h"
#include "windows/Form2.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirendo"));
    // The desktop shell finds the menu entry (name, icon) of these windows by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("mirendo"));
    QApplication::setQuitOnLastWindowClosed(false); // hiding every window must not end the program

    // `Mirendo [--lang en|ja] [FILE]`: the language (else the desktop's), and a point file or an
    // archive to open at once (the desktop entry's %f).
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    std::optional<mirendo::text::Language> language;
    if (!mirendo::text::TakeLanguageOption(arguments, language))
        arguments.clear(); // an unknown language: nothing of the command line is taken for a file
    mirendo::InstallLanguage(mirendo::LanguageOfUser(language));
    QString file;
    if (!arguments.empty())
        file = QFileInfo(QString::fromStdString(arguments.front())).absoluteFilePath();

    // Held until main returns; a second Mirendo in this folder would share the exchange files.
    // A file opened meanwhile goes to the program that holds the folder.
    const QString workFolder = QDir::currentPath();
    const mirendo::WorkFolderClaim claim = mirendo::ClaimWorkFolder(workFolder);
    if (claim.outcome == mirendo::WorkFolderClaim::Outcome::InUse) {
        if (!file.isEmpty() && mirendo::HandOverFile(workFolder, file))
            return 0;
        // No trustworthy program took the file: it is refused as a second start without one.
        const QString notHandedOver =
            file.isEmpty() ? QString() : mirendo::FileNotHandedOverMessage(file) + QLatin1Char('\n');
        mirendo::ShowMessage(nullptr, notHandedOver + mirendo::WorkFolderInUseMessage(workFolder));
        return 1;
    }

    mirendo::Module1 state;
    mirendo::WindowSet windows(state);
    // Ends at once: no window runs its own close handling on the way out.
    QObject::connect(&windows, &mirendo::WindowSet::exitRequested, &app, [] { QCoreApplication::exit(0); });
    mirendo::FileHandOver handOver(workFolder);
    QObject::connect(&handOver, &mirendo::FileHandOver::fileHandedOver, &windows,
                     [&windows](const QString& path) { windows.openFile(path); });
    windows.start(file); // before the first event: only the window that stays is ever drawn
    // This program works alone; a second start with a file will be refused, and the user is told why.
    if (const std::optional<mirendo::HandOverTrouble> trouble = handOver.trouble())
        QTimer::singleShot(0, &windows, [trouble, folder = handOver.socketFolder()] {
            mirendo::ShowMessage(nullptr, mirendo::HandOverOffMessage(*trouble, folder));
        });
    return QApplication::exec();
}
