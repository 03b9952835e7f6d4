#include "windows/Form2.h"

#include "exchange/RequestFile.h"
#include "exchange/ResultFile.h"
#include "widgets/FormLayout.h"
#include "windows/Decorations.h"
#include "windows/ExampleGraphs.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace mirendo {

namespace {

const FormRow kControls[] = {
    {"Label8", ControlKind::Label, "Mirendo ver.3", 720, 240, 4005, 510},
    {"Label9", ControlKind::Label, "Mirendo ver.3", 735, 255, 4005, 510},
    {"Label7", ControlKind::Label, "離散データの補間", 480, 960, 2520, 315},
    {"Label24", ControlKind::Label, "内挿・外挿", 3360, 960, 1575, 315},
    {"Label20", ControlKind::Fill, "#ffffff", 480, 1440, 4455, 1095},
    {"Label21", ControlKind::Label, "ラグランジュの補間多項式により", 960, 1680, 3600, 360},
    {"Label12", ControlKind::Label, "離散データの補間を行います", 960, 2040, 3120, 360},
    {"Label19", ControlKind::Fill, "#ffffff", 480, 2640, 4455, 4215},
    {"Label2", ControlKind::Label, "Linear - Linear  scale", 1200, 2760, 3000, 360},
    {"Label3", ControlKind::Label, "Linear - Log  scale", 1200, 3120, 3000, 360},
    {"Label4", ControlKind::Label, "Log - Linear  scale", 1200, 3480, 3000, 360},
    {"Label5", ControlKind::Label, "Log - Log  scale", 1200, 3840, 3000, 360},
    {"Label6", ControlKind::Label, "いずれの平面上のデータにも対応", 720, 4320, 3600, 360},
    {"Label13", ControlKind::Label, "最大 10 ポイントのデータまで対応", 720, 4680, 3810, 360},
    {"Label22", ControlKind::Label, "注意", 840, 5280, 450, 345},
    {"Label10", ControlKind::Label, "ポイント数を大きくすると", 1560, 5280, 3300, 345},
    {"Label11", ControlKind::Label, "振動・発散 (ルンゲ現象) が", 1560, 5640, 3300, 345},
    {"Label14", ControlKind::Label, "生じる確率が高くなります", 1560, 6000, 3300, 345},
    {"Label23", ControlKind::Label, "（ 5, 6 ポイント程度を推奨）", 1440, 6360, 3045, 345},
    {"Line1", ControlKind::Fill, "#ff0000", 1560, 6720, 2760, 15},
    {"Command1", ControlKind::Button, "新規補間計算", 480, 6960, 2535, 735},
    // The caption wraps on the narrow button as it does on the original layout.
    {"Command4", ControlKind::Button, "ファイルデータの\n書式例", 3240, 6960, 1815, 975},
    {"Command3", ControlKind::Button, "補間データ検索", 480, 7800, 2535, 735},
    {"Command2", ControlKind::Button, "Exit", 480, 8760, 975, 500},
    {"Picture4", ControlKind::Picture, "", 5520, 360, 4335, 3975},
    {"Picture5", ControlKind::Picture, "", 10080, 360, 4335, 3975},
    {"Picture1", ControlKind::Picture, "", 5520, 4800, 4335, 3975},
    {"Picture2", ControlKind::Picture, "", 10080, 4800, 4335, 3975},
    {"Label15", ControlKind::Label, "Linear - Linear  scale", 6480, 4320, 3000, 360},
    {"Label16", ControlKind::Label, "Linear - Log  scale", 11160, 4320, 3000, 360},
    {"Label17", ControlKind::Label, "Log - Linear  scale", 6600, 8760, 3000, 360},
    {"Label18", ControlKind::Label, "Log - Log  scale", 11280, 8760, 3000, 360},
    {"Picture3", ControlKind::Picture, "", 4560, 8280, 480, 480},
};

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

Form2::Form2(Module1& state, QWidget* parent) : QWidget(parent), m_state(state) {
    SetUpWindow(this, "Form2", QStringLiteral("  Lagrange Interpolation"), 14775, 9525);
    // The program's load: these two must hold before any graph is drawn or read.
    m_state.Ln10 = Module1::kLn10;
    m_state.GraphDrawn = 0;
    const FormControls c = BuildForm(this, kControls);
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
    command4->setAccessibleName(QStringLiteral("ファイルデータの書式例"));
    const char* const pictureDescriptions[4] = {
        "Linear - Linear スケールのグラフ例", "Linear - Log スケールのグラフ例",
        "Log - Linear スケールのグラフ例", "Log - Log スケールのグラフ例"};
    for (int i = 0; i < 4; ++i)
        c.get<QLabel>(kPictureNames[i])->setAccessibleName(QString::fromUtf8(pictureDescriptions[i]));
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
