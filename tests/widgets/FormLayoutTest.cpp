// The form layer builds a window from its table; the graph panel shows limits and the readout.
#include "widgets/FormLayout.h"
#include "support/GraphArea.h"
#include "widgets/GraphPanel.h"
#include "widgets/PictureBox.h"
#include "widgets/ValueLabel.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

// A table as a window's table file holds it: tab-separated, comments, a caption with a break.
const char* const kTable = "# a window\n"
                           "Frame1\tGroup\t600\t360\t3135\t2295\t枠\n"
                           "Option1\tOption\t240\t600\t2775\t375\t選択\tFrame1\n"
                           "\n"
                           "Label1\tLabel\t720\t2760\t0\t0\t見出し\\n二行目\n"
                           "Label2\tValueLabel\t1080\t10080\t1335\t375\t\t\twider: the value needs it\n"
                           "Label2\tBlueLabel\t30\t45\t150\t300\t二つ目\r\n"
                           "Text1\tTextBox\t5640\t3480\t1335\t375\n"
                           "List1\tList\t240\t3120\t3495\t6360\n"
                           "Drive1\tDriveList\t480\t960\t3495\t345\n"
                           "Command1\tButton\t1560\t1920\t975\t495\tOK\n"
                           "Line1\tFill\t120\t3480\t3840\t10\t#ff0000\n";

std::vector<FormRow> Rows() {
    int badLine = -1;
    const std::vector<FormRow> rows = ParseFormTable(QString::fromUtf8(kTable), &badLine);
    EXPECT_EQ(badLine, 0);
    return rows;
}

TEST(FormLayout, RowsBecomeControlsAtTheirPixelPlaces) {
    QWidget window;
    SetUpWindow(&window, "FormX", QStringLiteral(" 題"), 8400, 7200);
    EXPECT_EQ(std::tuple(window.objectName(), window.size(), window.font().pixelSize()),
              std::tuple(QStringLiteral("FormX"), QSize(560, 480), kWindowFontPixels));
    const FormControls c = BuildForm(&window, Rows());

    const struct {
        const char* name;
        QRect geometry;
        const QMetaObject* type;
    } expected[] = {
        {"Frame1", {40, 24, 209, 153}, &QGroupBox::staticMetaObject},
        {"Option1", {16, 40, 185, 25}, &QRadioButton::staticMetaObject},
        {"Label2", {72, 672, 89, 25}, &QLabel::staticMetaObject},
        {"Text1", {376, 232, 89, 25}, &QLineEdit::staticMetaObject},
        {"List1", {16, 208, 233, 424}, &QListWidget::staticMetaObject},
        {"Drive1", {32, 64, 233, 23}, &QComboBox::staticMetaObject},
        {"Command1", {104, 128, 65, 33}, &QPushButton::staticMetaObject},
        {"Line1", {8, 232, 256, 1}, &QFrame::staticMetaObject}, // never thinner than a pixel
    };
    for (const auto& e : expected) {
        QWidget* widget = c.find(e.name);
        ASSERT_NE(widget, nullptr) << e.name;
        EXPECT_EQ(widget->geometry(), e.geometry) << e.name;
        EXPECT_TRUE(widget->metaObject()->inherits(e.type)) << e.name;
        EXPECT_EQ(window.findChild<QWidget*>(QString::fromLatin1(e.name)), widget) << e.name;
    }
    EXPECT_EQ(c.find("Option1")->parentWidget(), c.find("Frame1")); // inside its group
    EXPECT_EQ(c.get<QRadioButton>("Option1")->text(), QStringLiteral("選択"));
    EXPECT_TRUE(c.get<QPushButton>("Command1")->autoDefault()); // Enter presses a focused button
    // A zero width or height takes the caption's own size.
    const QLabel* natural = c.get<QLabel>("Label1");
    EXPECT_EQ(std::tuple(natural->text(), natural->pos(), natural->size()),
              std::tuple(QStringLiteral("見出し\n二行目"), QPoint(48, 184), natural->sizeHint()));
    // A name used twice is found by its place.
    EXPECT_EQ(std::tuple(c.get<QLabel>("Label2", 1)->text(), c.find("Label2", 2), c.find("Missing")),
              std::tuple(QStringLiteral("二つ目"), nullptr, nullptr));
    EXPECT_NE(qobject_cast<ValueLabel*>(c.find("Label2")), nullptr) << "a value is read by its value";
    EXPECT_EQ(qobject_cast<ValueLabel*>(c.find("Label1")), nullptr);
}

TEST(FormLayout, ExceptionsCarryTheirReason) {
    QWidget window;
    const FormControls c = BuildForm(&window, Rows());
    EXPECT_EQ(c.find("Label2")->property("layoutNote").toString(),
              QStringLiteral("wider: the value needs it"));
    EXPECT_FALSE(c.find("Text1")->property("layoutNote").isValid());
}

TEST(FormLayout, MalformedLinesAreFoundByNumber) {
    const struct {
        const char* text;
        int badLine;
    } cases[] = {
        {"Label1\tLabel\t1\t2\t3\t4\n", 0},
        {"# only a comment\n\nLabel1\tLabel\t1\t2\t3\n", 3},   // a number missing
        {"Label1\tSlider\t1\t2\t3\t4\n", 1},                   // no such kind
        {"Label1\tLabel\t1\tx\t3\t4\n", 1},                    // not a number
        {"Label1\tLabel\t1\t-2\t3\t4\n", 1},                   // a negative place
        {"\tLabel\t1\t2\t3\t4\n", 1},                          // no name
        {"Label1\tLabel\t1\t2\t3\t4\tc\tp\tn\tright\tx\n", 1}, // a cell too many
        {"Label1\tLabel\t1\t2\t3\t4\t\t\t\tright down\n", 1},  // no such edge
    };
    for (const auto& c : cases) {
        int badLine = -1;
        const std::vector<FormRow> rows = ParseFormTable(QString::fromUtf8(c.text), &badLine);
        EXPECT_EQ(badLine, c.badLine) << c.text;
        EXPECT_EQ(rows.empty(), c.badLine != 0) << c.text;
    }
}

// Every kind has one name and every name one kind: the names of the enum's values, and near
// misses of them, are read back against the set of names; every table compiled into the program
// builds (an unknown kind in one would stop it).
TEST(FormLayout, KindNamesAndEveryWindowTable) {
    QStringList names;
    int kinds = 0;
    for (; const char* name = ControlKindName(static_cast<ControlKind>(kinds)); ++kinds) {
        EXPECT_FALSE(names.contains(QLatin1String(name))) << name;
        names << QString::fromLatin1(name);
    }
    EXPECT_EQ(kinds, int(ControlKind::Table) + 1) << "every value up to the last has its name";
    for (const QString& name : names) {
        QStringList tries = {name, name.toLower(), name.toUpper(), name + ' ', '\t' + name, name + '\r', {}};
        for (int i = 0; i < name.size(); ++i)
            tries << QString(name).remove(i, 1) << QString(name).insert(i, 'x') << name.left(i);
        for (const QString& tried : tries) {
            const std::optional<ControlKind> kind = ControlKindOfName(tried);
            EXPECT_EQ(kind.has_value(), names.contains(tried)) << tried.toStdString();
            if (kind) {
                EXPECT_EQ(names[int(*kind)], tried);
            }
        }
    }
    const QStringList tables = QDir(QStringLiteral(":/forms")).entryList();
    EXPECT_GE(tables.size(), 10);
    for (const QString& table : tables) {
        QWidget window;
        BuildForm(&window, QStringLiteral(":/forms/") + table); // stops the program on a bad row
        EXPECT_FALSE(window.findChildren<QWidget*>().isEmpty()) << table.toStdString();
    }
}

// A window whose handlers are found by name, as every window's are.
class HandlerWindow : public QWidget {
    Q_OBJECT
  public slots:
    void Command1_Click() {}
    void Text1_Click() {}
};

// A wrong lookup or a button and its handler that miss each other stop the program when the
// window is built, not when the user first presses the button.
TEST(FormLayoutDeathTest, ControlsAndHandlersThatMissEachOtherStopTheBuild) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto build = [](const char* table) {
        HandlerWindow window;
        window.setObjectName(QStringLiteral("FormX"));
        const FormControls c = BuildForm(&window, ParseFormTable(QString::fromUtf8(table)));
        ConnectButtonHandlers(&window, {"Command9"});
        return c.find("Text1") != nullptr;
    };
    const char* const matching = "Command1\tButton\t0\t0\t900\t300\tOK\nText1\tTextBox\t0\t300\t900\t300\n"
                                 "Command9\tButton\t0\t600\t900\t300\tX\n";
    EXPECT_TRUE(build(matching)) << "a button wired elsewhere is named as such";
    EXPECT_DEATH(build("Text1\tTextBox\t0\t300\t900\t300\n"),
                 "handler Command1_Click\\(\\) has no control Command1");
    EXPECT_DEATH(build("Command1\tButton\t0\t0\t900\t300\tOK\nText1\tTextBox\t0\t300\t900\t300\n"
                       "Command2\tButton\t0\t600\t900\t300\tX\n"),
                 "button Command2 has no handler");
    QWidget window;
    window.setObjectName(QStringLiteral("FormY"));
    const FormControls c = BuildForm(&window, ParseFormTable(QString::fromUtf8(matching)));
    EXPECT_DEATH(c.get<QPushButton>("Text1"), "FormY: control Text1 is a QLineEdit");
    EXPECT_DEATH(c.get<QLineEdit>("Text2"), "FormY has no control Text2");
}

const FormRow kGraphRows[] = {
    {"Picture1", ControlKind::Graph, "", 1500, 1500, 3000, 1500, "", ""},
    {"Label14", ControlKind::ValueText, "", 0, 0, 1500, 300, "", ""},
    {"Label15", ControlKind::ValueText, "", 0, 300, 1500, 300, "", ""},
    {"Label16", ControlKind::ValueText, "", 0, 600, 1500, 300, "", ""},
    {"Label17", ControlKind::ValueText, "", 0, 900, 1500, 300, "", ""},
    {"LabelX", ControlKind::ValueLabel, "", 0, 1200, 1500, 300, "", ""},
    {"LabelY", ControlKind::ValueLabel, "", 0, 3000, 1500, 300, "", ""},
};

using testing::CursorLinesVisible;

class GraphPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_controls = BuildForm(&m_window, kGraphRows);
        m_panel = new GraphPanel(m_controls, "LabelX", "LabelY", &m_window);
        m_curve.scaleMode = 1;
        m_curve.sampleX = {1, 2, 3};
        m_curve.sampleY = {10, 20, 30};
        m_curve.sampleXMin = 1, m_curve.sampleXMax = 3;
        m_panel->graph().setScale(0, 40, 4, -40);
    }
    QString text(const char* name) const { return m_controls.get<QLabel>(name)->text(); }

    DrawnCurve m_curve;
    QWidget m_window;
    FormControls m_controls;
    GraphPanel* m_panel = nullptr;
};

TEST_F(GraphPanelTest, LimitLabelsAndTheirNames) {
    EXPECT_EQ(m_panel->picture()->size(), QSize(200, 100));
    const char* names[4] = {"Label14", "Label15", "Label16", "Label17"};
    const char* captions[4] = {"X-Start", "X-Stop", "Y-Start", "Y-Stop"};
    const char* meanings[4] = {"X 軸の開始値", "X 軸の終了値", "Y 軸の開始値", "Y 軸の終了値"};
    m_panel->setLimitTexts({"1", "3", "10", "30"});
    EXPECT_EQ(text("Label16"), QStringLiteral("10"));
    m_panel->showLimitCaptions();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(text(names[i]), QString::fromLatin1(captions[i]));
        EXPECT_EQ(m_controls.get<QLabel>(names[i])->accessibleDescription(), QString::fromUtf8(meanings[i]));
        EXPECT_EQ(m_controls.get<QLabel>(names[i])->accessibleName(), QString()) << "read by its value";
    }
    EXPECT_EQ(m_controls.get<QLabel>("LabelX")->accessibleDescription(),
              QStringLiteral("カーソル位置の X 値"));
    EXPECT_EQ(m_panel->picture()->accessibleName(), QStringLiteral("グラフ表示エリア"));
}

TEST_F(GraphPanelTest, ReadoutFollowsTheMouseOnlyWhileActiveAndDrawn) {
    PictureBox* picture = m_panel->picture();
    emit picture->mouseMovedTo(2.0f, 0); // no curve drawn yet
    EXPECT_EQ(std::tuple(text("LabelX").isEmpty(), CursorLinesVisible(picture)), std::tuple(true, false));
    m_panel->showCurve(m_curve);
    emit picture->mouseMovedTo(2.0f, 0);
    EXPECT_EQ(std::tuple(text("LabelX").isEmpty(), text("LabelY").isEmpty(), CursorLinesVisible(picture)),
              std::tuple(false, false, true));
    emit picture->mouseMovedTo(9.0f, 0); // outside the curve
    EXPECT_EQ(std::tuple(text("LabelX").isEmpty(), CursorLinesVisible(picture)), std::tuple(true, false));
    emit picture->mouseMovedTo(2.0f, 0);
    m_panel->setReadoutActive(false); // the readout shown goes with it
    EXPECT_EQ(std::tuple(text("LabelX").isEmpty(), CursorLinesVisible(picture)), std::tuple(true, false));
    emit picture->mouseMovedTo(2.0f, 0);
    EXPECT_TRUE(text("LabelX").isEmpty());
    m_panel->setReadoutActive(true);
    emit picture->mouseMovedTo(2.0f, 0);
    EXPECT_EQ(text("LabelX"), QStringLiteral("2.000"));
    m_panel->clearCurve();
    EXPECT_TRUE(text("LabelX").isEmpty());
    emit picture->mouseMovedTo(2.0f, 0);
    EXPECT_TRUE(text("LabelX").isEmpty());
}

TEST_F(GraphPanelTest, KeysStepFromTheSampleTheMouseShowed) {
    PictureBox* picture = m_panel->picture();
    m_panel->setReadoutActive(true);
    EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus) << "no curve to read by keys";
    m_panel->showCurve(m_curve);
    EXPECT_EQ(picture->focusPolicy(), Qt::StrongFocus);
    emit picture->stepRequested(ReadoutStep::Next); // nothing shown yet: the first sample
    EXPECT_EQ(text("LabelX"), QStringLiteral("1.000"));
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("X = 1.000, Y = 10.000"));
    emit picture->mouseMovedTo(2.5f, 0); // sample 2
    emit picture->stepRequested(ReadoutStep::Next);
    EXPECT_EQ(text("LabelX"), QStringLiteral("3.000"));
    EXPECT_EQ(text("LabelY"), QStringLiteral("30.000"));
    emit picture->mouseMovedTo(9.0f, 0); // off the curve: nothing shown, the keys start over
    EXPECT_EQ(picture->accessibleName(), QStringLiteral("グラフ表示エリア"));
    emit picture->stepRequested(ReadoutStep::Last);
    EXPECT_EQ(text("LabelX"), QStringLiteral("3.000"));
    m_panel->setReadoutActive(false);
    EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);
    emit picture->stepRequested(ReadoutStep::First);
    EXPECT_TRUE(text("LabelX").isEmpty()) << "no keys while the readout is off";
}

} // namespace
} // namespace mirendo

#include "FormLayoutTest.moc"

#include <tuple>
