// Not a test: the least any Qt Widgets window with Japanese text costs to start, next to which
// Mirendo's start window is timed (startup.sh). A window of the start window's size with one
// Japanese caption in the windows' face; it stays until it is closed or the process is ended.
// "startup_probe bare" leaves the caption out (what the font system costs on top of a window).
#include "widgets/FormLayout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool bare = argc > 1 && QByteArray(argv[1]) == "bare";
    QWidget window;
    window.resize(985, 635);
    if (!bare) {
        window.setFont(mirendo::WindowFont());
        (new QLabel(QStringLiteral("新規補間計算"), &window))->move(20, 20);
    }
    window.show();
    return QApplication::exec();
}
