// Not a test: the floor of `Mirendo FILE`, the least its main window could cost to come up. The
// same controls built from the same control table (Form1's, compiled in) in the same faces, at the
// main window's size and title, and nothing else: no logic, no points, no other window. It stays
// until it is closed or the process is ended; startup.sh times `Mirendo FILE` against it.
#include "core/curve/CurveTrust.h"
#include "widgets/FormLayout.h"

#include <QApplication>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    mirendo::SetUpWindow(&window, "Form1", QStringLiteral("  Mirendo"), 20280, 11160); // as Form1's
    mirendo::BuildForm(&window, QStringLiteral(":/forms/Form1.tsv"));
    for (int i = 1; i <= 4; ++i) // captioned by the window, as the main window's are
        window.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(i))
            ->setText(QString::fromLatin1(mirendo::ScaleModeCaption(i)));
    window.show();
    return QApplication::exec();
}
