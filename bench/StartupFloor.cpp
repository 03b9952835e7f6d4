// Not a test: the floor of `Mirendo FILE`, the least its main window could cost to come up. The
// same controls built from the same control table (Form1's, compiled in) in the same faces, at the
// main window's size and title, and nothing else: no logic, no points, no other window. It stays
// until it is closed or the process is ended; startup.sh times `Mirendo FILE` against it.
//
//   startup_floor [SHOWN]
//
// SHOWN, when given, is a file of lines "objectName<TAB>text": each text is put in the named
// control as it stands (a list gets it as a row), so that the floor shows what the main window
// shows after reading a point file, without reading one. The difference between the two floors is
// what showing the data costs.
#include "core/curve/CurveTrust.h"
#include "widgets/FormLayout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>

namespace {

void ShowTexts(QWidget& window, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("startup_floor: cannot read %s", qPrintable(path));
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        QWidget* control = tab > 0 ? window.findChild<QWidget*>(line.left(tab)) : nullptr;
        const QString text = line.mid(tab + 1);
        if (auto* list = qobject_cast<QListWidget*>(control))
            list->addItem(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* box = qobject_cast<QLineEdit*>(control))
            box->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (!line.isEmpty())
            qFatal("startup_floor: no control for line \"%s\"", qPrintable(line));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    mirendo::SetUpWindow(&window, "Form1", QStringLiteral("  Mirendo"), 20280, 11160); // as Form1's
    mirendo::BuildForm(&window, QStringLiteral(":/forms/Form1.tsv"));
    for (int i = 1; i <= 4; ++i) // captioned by the window, as the main window's are
        window.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(i))
            ->setText(QString::fromLatin1(mirendo::ScaleModeCaption(i)));
    if (argc > 1)
        ShowTexts(window, QString::fromLocal8Bit(argv[1]));
    window.show();
    return QApplication::exec();
}
