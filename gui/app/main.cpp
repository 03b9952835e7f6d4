// Mirendo: the start window first; the program ends only through it.
#include "Form2.h"
#include "Module1.h"
#include "WindowSet.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirendo"));
    QApplication::setQuitOnLastWindowClosed(false); // hiding every window must not end the program

    mirendo::Module1 state;
    mirendo::WindowSet windows(state);
    // Ends at once: no window runs its own close handling on the way out.
    QObject::connect(&windows, &mirendo::WindowSet::exitRequested, &app, [] { QCoreApplication::exit(0); });
    windows.form2()->show();
    return QApplication::exec();
}
