#include "windows/Form2.h"

#include "exchange/RequestFile.h"
#include "exchange/ResultFile.h"
#include "plot/ExampleGraphs.h"
#include "windows/Decorations.h"
#include "windows/Layout.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace mirendo {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  int pixelSize = 13) {
    auto* label = Place(new QLabel(text, parent), name, geometry);
    label->setFont(WindowFont(pixelSize));
    return label;
}

void SetTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* MakeWhitePanel(QWidget* parent, const char* name, QRect geometry) {
    auto* panel = Place(new QLabel(parent), name, geometry);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    return panel;
}

QFont TitleFont() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(30);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace

Form2::Form2(Module1& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("  Lagrange Interpolation"));
    setFont(WindowFont(13));
    setFixedSize(TwipSize(14775, 9525));
    // The program's load: these two must hold before any graph is drawn or read.
    m_state.Ln10 = Module1::kLn10;
    m_state.GraphDrawn = 0;
    buildControls();
}

void Form2::buildControls() {
    auto* shadow = MakeLabel(this, "Label8", QStringLiteral("Mirendo ver.3"), TwipRect(720, 240, 4005, 510));
    shadow->setFont(TitleFont());
    SetTextColour(shadow, QColor(255, 0, 0));
    auto* title = MakeLabel(this, "Label9", QStringLiteral("Mirendo ver.3"), TwipRect(735, 255, 4005, 510));
    title->setFont(TitleFont());
    SetTextColour(title, QColor(255, 255, 0));

    MakeLabel(this, "Label7", QStringLiteral("離散データの補間"), TwipRect(480, 960, 2520, 315), 14);
    MakeLabel(this, "Label24", QStringLiteral("内挿・外挿"), TwipRect(3360, 960, 1575, 315), 14);

    MakeWhitePanel(this, "Label20", TwipRect(480, 1440, 4455, 1095));
    MakeLabel(this, "Label21", QStringLiteral("ラグランジュの補間多項式により"),
              TwipRect(960, 1680, 3600, 360));
    MakeLabel(this, "Label12", QStringLiteral("離散データの補間を行います"), TwipRect(960, 2040, 3120, 360));

    MakeWhitePanel(this, "Label19", TwipRect(480, 2640, 4455, 4215));
    const char* const modeNames[4] = {"Label2", "Label3", "Label4", "Label5"};
    const QString modeCaptions[4] = {
        QStringLiteral("Linear - Linear  scale"), QStringLiteral("Linear - Log  scale"),
        QStringLiteral("Log - Linear  scale"), QStringLiteral("Log - Log  scale")};
    for (int i = 0; i < 4; ++i)
        SetTextColour(
            MakeLabel(this, modeNames[i], modeCaptions[i], TwipRect(1200, 2760 + 360 * i, 3000, 360)),
            QColor(0, 0, 160));
    MakeLabel(this, "Label6", QStringLiteral("いずれの平面上のデータにも対応"),
              TwipRect(720, 4320, 3600, 360));
    MakeLabel(this, "Label13", QStringLiteral("最大 10 ポイントのデータまで対応"),
              TwipRect(720, 4680, 3810, 360));
    SetTextColour(MakeLabel(this, "Label22", QStringLiteral("注意"), TwipRect(840, 5280, 450, 345)),
                  QColor(255, 0, 0));
    MakeLabel(this, "Label10", QStringLiteral("ポイント数を大きくすると"), TwipRect(1560, 5280, 3300, 345));
    MakeLabel(this, "Label11", QStringLiteral("振動・発散 (ルンゲ現象) が"), TwipRect(1560, 5640, 3300, 345));
    MakeLabel(this, "Label14", QStringLiteral("生じる確率が高くなります"), TwipRect(1560, 6000, 3300, 345));
    MakeLabel(this, "Label23", QStringLiteral("（ 5, 6 ポイント程度を推奨）"),
              TwipRect(1440, 6360, 3045, 345));
    auto* underline = Place(new QFrame(this), "Line1", QRect(1560 / 15, 6720 / 15, (4320 - 1560) / 15, 1));
    underline->setAutoFillBackground(true);
    QPalette red = underline->palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    underline->setPalette(red);

    auto* command1 = Place(new QPushButton(QStringLiteral("新規補間計算"), this), "Command1",
                           TwipRect(480, 6960, 2535, 735));
    // The caption wraps on the narrow button as it does on the original layout.
    auto* command4 = Place(new QPushButton(QStringLiteral("ファイルデータの\n書式例"), this), "Command4",
                           TwipRect(3240, 6960, 1815, 975));
    auto* command3 = Place(new QPushButton(QStringLiteral("補間データ検索"), this), "Command3",
                           TwipRect(480, 7800, 2535, 735));
    auto* command2 =
        Place(new QPushButton(QStringLiteral("Exit"), this), "Command2", TwipRect(480, 8760, 975, 500));
    command1->setFont(WindowFont(14, true));
    command3->setFont(WindowFont(14, true));
    command4->setFont(WindowFont(12));

    const char* const pictureNames[4] = {"Picture4", "Picture5", "Picture1", "Picture2"};
    const QPoint pictureAt[4] = {{5520, 360}, {10080, 360}, {5520, 4800}, {10080, 4800}};
    const char* const captionNames[4] = {"Label15", "Label16", "Label17", "Label18"};
    const QPoint captionAt[4] = {{6480, 4320}, {11160, 4320}, {6600, 8760}, {11280, 8760}};
    for (int i = 0; i < 4; ++i) {
        auto* picture = Place(new QLabel(this), pictureNames[i],
                              TwipRect(pictureAt[i].x(), pictureAt[i].y(), 4335, 3975));
        picture->setFrameShape(QFrame::Box);
        picture->setPixmap(LoadExampleGraphPicture(i + 1, picture->size()));
        SetTextColour(MakeLabel(this, captionNames[i], modeCaptions[i],
                                TwipRect(captionAt[i].x(), captionAt[i].y(), 3000, 360)),
                      QColor(0, 0, 160));
    }
    auto* picture3 = Place(new QLabel(this), "Picture3", TwipRect(4560, 8280, 480, 480));
    picture3->setPixmap(SmallGraphPicture(picture3->size()));

    // The caption of Command4 is wrapped; screen readers get it in one piece.
    command4->setAccessibleName(QStringLiteral("ファイルデータの書式例"));
    const char* const pictureDescriptions[4] = {
        "Linear - Linear スケールのグラフ例", "Linear - Log スケールのグラフ例",
        "Log - Linear スケールのグラフ例", "Log - Log スケールのグラフ例"};
    for (int i = 0; i < 4; ++i)
        findChild<QLabel*>(QString::fromLatin1(pictureNames[i]))
            ->setAccessibleName(QString::fromUtf8(pictureDescriptions[i]));
    // Enter presses the focused button, as Space does.
    for (QPushButton* button : {command1, command4, command3, command2})
        button->setAutoDefault(true);
    // Row by row: the two big buttons, the format examples beside them, then Exit.
    setTabOrder(command1, command4);
    setTabOrder(command4, command3);
    setTabOrder(command3, command2);

    connect(command1, &QPushButton::clicked, this, &Form2::newCalculationRequested);
    connect(command3, &QPushButton::clicked, this, &Form2::browserRequested);
    connect(command4, &QPushButton::clicked, this, &Form2::helpRequested);
    connect(command2, &QPushButton::clicked, this, &Form2::Command2_Click);
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
