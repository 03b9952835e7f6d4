#include "windows/Form2.h"

#include "core/exchange/RequestFile.h"
#include "core/exchange/ResultFile.h"
#include "qt/examples/ExampleGraphs.h"
#include "widgets/Decorations.h"
#include "widgets/FormLayout.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace mirendo {

namespace {

void SetTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QFont TitleFont() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(30);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

const char* const kPictureNames[4] = {"Picture4", "Picture5", "Picture1", "Picture2"};

} // namespace

Form2::Form2(QWidget* parent) : QWidget(parent) {
    SetUpWindow(this, "Form2", QStringLiteral("  Lagrange Interpolation"), 14775, 9525);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form2.tsv"));
    decorate(c);
    wireControls(c);
}

void Form2::decorate(const FormControls& c) {
    // The title twice: the red copy shows as a shadow under the yellow one.
    for (const char* name : {"Label8", "Label9"})
        c.get<QLabel>(name)->setFont(TitleFont());
    SetTextColour(c.get<QLabel>("Label8"), QColor(255, 0, 0));
    SetTextColour(c.get<QLabel>("Label9"), QColor(255, 255, 0));
    SetTextColour(c.get<QLabel>("Label22"), QColor(255, 0, 0));
    for (const char* name :
         {"Label2", "Label3", "Label4", "Label5", "Label15", "Label16", "Label17", "Label18"})
        SetTextColour(c.get<QLabel>(name), QColor(0, 0, 160));
    for (int i = 0; i < 4; ++i) {
        auto* picture = c.get<QLabel>(kPictureNames[i]);
        picture->setFrameShape(QFrame::Box);
        picture->setPixmap(LoadExampleGraphPicture(i + 1, picture->size()));
    }
    auto* picture3 = c.get<QLabel>("Picture3");
    picture3->setPixmap(SmallGraphPicture(picture3->size()));
}

void Form2::wireControls(const FormControls& c) {
    auto* command1 = c.get<QPushButton>("Command1");
    auto* command2 = c.get<QPushButton>("Command2");
    auto* command3 = c.get<QPushButton>("Command3");
    auto* command4 = c.get<QPushButton>("Command4");
    // The caption of Command4 is wrapped; screen readers get it in one piece.
    command4->setAccessibleName(tr("ファイルデータの書式例"));
    const char* const pictureDescriptions[4] = {
        QT_TR_NOOP("Linear - Linear スケールのグラフ例"), QT_TR_NOOP("Linear - Log スケールのグラフ例"),
        QT_TR_NOOP("Log - Linear スケールのグラフ例"), QT_TR_NOOP("Log - Log スケールのグラフ例")};
    for (int i = 0; i < 4; ++i)
        c.get<QLabel>(kPictureNames[i])->setAccessibleName(tr(pictureDescriptions[i]));
    // Row by row: the two big buttons, the format examples beside them, then Exit.
    setTabOrder(command1, command4);
    setTabOrder(command4, command3);
    setTabOrder(command3, command2);

    connect(command1, &QPushButton::clicked, this, &Form2::newCalculationRequested);
    connect(command3, &QPushButton::clicked, this, &Form2::browserRequested);
    connect(command4, &QPushButton::clicked, this, &Form2::helpRequested);
    ConnectButtonHandlers(this, {"Command1", "Command3", "Command4"}); // these ask for other windows
}

void Form2::deleteExchangeFiles() {
    // A file that is missing or cannot be removed is passed over.
    const QDir dir(QDir::currentPath());
    QFile::remove(dir.filePath(QString::fromLatin1(exchange::kRequestFileName)));
    QFile::remove(dir.filePath(QString::fromLatin1(exchange::kResultFileName)));
}

void Form2::Command2_Click() {
    deleteExchangeFiles();
    emit exitRequested();
}

void Form2::closeEvent(QCloseEvent* event) {
    deleteExchangeFiles();
    event->accept();
    emit exitRequested();
}

} // namespace mirendo
