// Not a test: measures how long the program takes from entering main to the start window being
// shown, next to a bare Qt window. Run as "startup_probe", "startup_probe bare" or
// "startup_probe label" (a bare window with one Japanese caption: what any window with text pays
// for the font system); the process exits as soon as the window is up, so `time` or hyperfine
// also give the whole start-up.
#include "windows/Form2.h"
#include "windows/WindowSet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const bool label = argc > 1 && QByteArray(argv[1]) == "label";
    const bool bare = label || (argc > 1 && QByteArray(argv[1]) == "bare");
    mirendo::Module1 state;
    std::unique_ptr<mirendo::WindowSet> windows;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->resize(985, 635);
        if (label)
            (new QLabel(QStringLiteral("新規補間計算"), window.get()))->move(20, 20);
    } else {
        windows = std::make_unique<mirendo::WindowSet>(state);
    }
    QWidget* shown = bare ? window.get() : static_cast<QWidget*>(windows->form2());
    shown->show();
    QTimer::singleShot(0, &app, [&] {
        std::printf("%s: shown after %lld ms\n", bare ? "bare window" : "start window", clock.elapsed());
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
