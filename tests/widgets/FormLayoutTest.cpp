// The form layer builds a window from its table; the graph panel shows limits and the readout.
#include "widgets/FormLayout.h"
#include "widgets/GraphPanel.h"
#include "widgets/PictureBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

const FormRow kRows[] = {
    {"Frame1", ControlKind::Group, "枠", 600, 360, 3135, 2295},
    {"Option1", ControlKind::Option, "選択", 240, 600, 2775, 375, nullptr, "Frame1"},
    {"Label1", ControlKind::Label, "見出し", 720, 2760, 0, 0},
    {"Label2", ControlKind::ValueLabel, "", 1080, 10080, 1335, 375, "wider: the value needs it"},
    {"Label2", ControlKind::BlueLabel, "二つ目", 30, 45, 150, 300},
    {"Text1", ControlKind::TextBox, "", 5640, 3480, 1335, 375},
    {"List1", ControlKind::List, "", 240, 3120, 3495, 6360},
    {"Drive1", ControlKind::DriveList, "", 480, 960, 3495, 345},
    {"Command1", ControlKind::Button, "OK", 1560, 1920, 975, 495},
    {"Line1", ControlKind::Fill, "#ff0000", 120, 3480, 3840, 10},
};

TEST(FormLayout, RowsBecomeControlsAtTheirPixelPlaces) {
    QWidget window;
    SetUpWindow(&window, "FormX", QStringLiteral(" 題"), 8400, 7200);
    EXPECT_EQ(window.objectName(), QStringLiteral("FormX"));
    EXPECT_EQ(window.size(), QSize(560, 480));
    EXPECT_EQ(window.font().pixelSize(), kWindowFontPixels);
    const FormControls c = BuildForm(&window, kRows);

    struct Expect {
        const char* name;
        QRect geometry;
        const QMetaObject* type;
    };
    const Expect expected[] = {
        {"Frame1", {40, 24, 209, 153}, &QGroupBox::staticMetaObject},
        {"Option1", {16, 40, 185, 25}, &QRadioButton::staticMetaObject},
        {"Label2", {72, 672, 89, 25}, &QLabel::staticMetaObject},
        {"Text1", {376, 232, 89, 25}, &QLineEdit::staticMetaObject},
        {"List1", {16, 208, 233, 424}, &QListWidget::staticMetaObject},
        {"Drive1", {32, 64, 233, 23}, &QComboBox::staticMetaObject},
        {"Command1", {104, 128, 65, 33}, &QPushButton::staticMetaObject},
        {"Line1", {8, 232, 256, 1}, &QFrame::staticMetaObject}, // never thinner than a pixel
    };
    for (const Expect& e : expected) {
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
    EXPECT_EQ(natural->pos(), QPoint(48, 184));
    EXPECT_EQ(natural->size(), natural->sizeHint());
    // A name used twice is found by its place.
    EXPECT_EQ(c.get<QLabel>("Label2", 1)->text(), QStringLiteral("二つ目"));
    EXPECT_EQ(c.find("Label2", 2), nullptr);
    EXPECT_EQ(c.find("Missing"), nullptr);
}

TEST(FormLayout, ExceptionsCarryTheirReason) {
    QWidget window;
    const FormControls c = BuildForm(&window, kRows);
    EXPECT_EQ(c.find("Label2")->property("layoutNote").toString(),
              QStringLiteral("wider: the value needs it"));
    EXPECT_FALSE(c.find("Text1")->property("layoutNote").isValid());
}

const FormRow kGraphRows[] = {
    {"Picture1", ControlKind::Graph, "", 1500, 1500, 3000, 1500},
    {"Label14", ControlKind::Label, "", 0, 0, 1500, 300},
    {"Label15", ControlKind::Label, "", 0, 300, 1500, 300},
    {"Label16", ControlKind::Label, "", 0, 600, 1500, 300},
    {"Label17", ControlKind::Label, "", 0, 900, 1500, 300},
    {"LabelX", ControlKind::ValueLabel, "", 0, 1200, 1500, 300},
    {"LabelY", ControlKind::ValueLabel, "", 0, 3000, 1500, 300},
};

class GraphPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_controls = BuildForm(&m_window, kGraphRows);
        m_panel = new GraphPanel(m_controls, "LabelX", "LabelY", m_state, &m_window);
        m_state.ScaleMode = 1;
        m_state.SampleCount = 3;
        for (int i = 1; i <= 3; ++i) {
            m_state.CurveX[i] = i;
            m_state.CurveY[i] = 10 * i;
        }
        m_state.CurveXMin = 1, m_state.CurveXMax = 3;
        m_panel->picture()->setScale(0, 40, 4, -40);
    }
    QString text(const char* name) const { return m_controls.get<QLabel>(name)->text(); }

    Module1 m_state;
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
        EXPECT_EQ(m_controls.get<QLabel>(names[i])->accessibleName(), QString::fromUtf8(meanings[i]));
    }
    EXPECT_EQ(m_controls.get<QLabel>("LabelX")->accessibleName(), QStringLiteral("カーソル位置の X 値"));
    EXPECT_EQ(m_panel->picture()->accessibleName(), QStringLiteral("グラフ表示エリア"));
}

TEST_F(GraphPanelTest, ReadoutFollowsTheMouseOnlyWhileActiveAndDrawn) {
    PictureBox* picture = m_panel->picture();
    emit picture->mouseMovedTo(2.0f, 0); // no graph drawn yet
    EXPECT_TRUE(text("LabelX").isEmpty());
    m_state.GraphDrawn = 1;
    emit picture->mouseMovedTo(2.0f, 0);
    EXPECT_FALSE(text("LabelX").isEmpty());
    EXPECT_FALSE(text("LabelY").isEmpty());
    EXPECT_TRUE(picture->cursorLinesVisible());
    emit picture->mouseMovedTo(9.0f, 0); // outside the curve
    EXPECT_TRUE(text("LabelX").isEmpty());
    EXPECT_FALSE(picture->cursorLinesVisible());
    m_panel->setReadoutActive(false);
    emit picture->mouseMovedTo(2.0f, 0);
    EXPECT_TRUE(text("LabelX").isEmpty());
}

} // namespace
} // namespace mirendo
