// The graph and the value labels by keyboard and screen reader: keys, copies, context menu,
// accessible names.
#include "widgets/PictureBox.h"
#include "widgets/ValueLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(which) : QStringLiteral("<no interface>");
}

// A shown, active window holding a 100 x 80 graph with a readout shown.
struct GraphKeys : ::testing::Test {
    QWidget window;
    PictureBox* box = new PictureBox(QSize(100, 80), &window);
    GraphModel graph{box->pixelSize()};

    void SetUp() override {
        box->setGraph(&graph);
        box->graph().setScale(0, 8, 10, -8);
        box->graph().line(0, 4, 10, 4, kGridGrey);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QGuiApplication::clipboard()->clear();
    }
    void showReadout() {
        box->showCursorLines(3, 5);
        box->setReadoutTexts(QStringLiteral("3.000"), QStringLiteral("-1.250"));
    }
};

TEST(ValueLabel, ItsValueIsItsNameAndItsMeaningTheDescription) {
    ValueLabel label;
    label.setMeaning(QStringLiteral("X の最小値"));
    label.setValue(QStringLiteral("0.5"));
    EXPECT_EQ(accessibleText(&label, QAccessible::Name), QStringLiteral("0.5"));
    EXPECT_EQ(accessibleText(&label, QAccessible::Description), QStringLiteral("X の最小値"));
    label.setValue(QStringLiteral("0.5"));
    EXPECT_EQ(label.text(), QStringLiteral("0.5")) << "an unchanged value stays as it was";
    label.setAccessibleName(QStringLiteral("a name that would hide the value"));
    label.clearValue();
    EXPECT_EQ(accessibleText(&label, QAccessible::Name), QString());
    EXPECT_EQ(label.text(), QString());
}

TEST_F(GraphKeys, TabStopsOnlyWhileTheKeyboardReadoutIsOn) {
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    box->setKeyboardReadout(true);
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
    box->setFocus();
    EXPECT_TRUE(box->hasFocus());
    // The focus frame is on the screen only.
    EXPECT_NE(box->grab().toImage().pixelColor(0, 40), box->graph().image().pixelColor(0, 40));
    box->setKeyboardReadout(false);
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
}

TEST_F(GraphKeys, KeysAskForReadoutSteps) {
    box->setKeyboardReadout(true);
    box->setFocus();
    QSignalSpy steps(box, &PictureBox::stepRequested);
    const std::pair<Qt::Key, ReadoutStep> keys[] = {
        {Qt::Key_Left, ReadoutStep::Previous},   {Qt::Key_Right, ReadoutStep::Next},
        {Qt::Key_PageUp, ReadoutStep::PageBack}, {Qt::Key_PageDown, ReadoutStep::PageForward},
        {Qt::Key_Home, ReadoutStep::First},      {Qt::Key_End, ReadoutStep::Last},
    };
    for (const auto& [key, step] : keys) {
        QTest::keyClick(box, key);
        ASSERT_FALSE(steps.isEmpty());
        EXPECT_EQ(steps.takeFirst().at(0).value<ReadoutStep>(), step) << key;
    }
}

TEST_F(GraphKeys, ReadoutNamesTheGraph) {
    EXPECT_EQ(accessibleText(box, QAccessible::Name), QStringLiteral("グラフ表示エリア"));
    showReadout();
    EXPECT_EQ(accessibleText(box, QAccessible::Name), QStringLiteral("X = 3.000, Y = -1.250"));
    box->setReadoutTexts({}, {});
    EXPECT_EQ(accessibleText(box, QAccessible::Name), QStringLiteral("グラフ表示エリア"));
}

TEST_F(GraphKeys, CopiesTheReadoutAndTheImageWithoutTheCrosshair) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    box->setKeyboardReadout(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QString()) << "no readout: nothing copied";

    showReadout();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("3.000\t-1.250"));
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QImage copied = clipboard->image();
    EXPECT_EQ(copied.size(), QSize(100, 80));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              box->graph().image().convertToFormat(QImage::Format_RGB32));
    for (int x = 0; x < copied.width(); ++x)
        ASSERT_NE(copied.pixelColor(x, 30), QColor(255, 0, 0)) << "crosshair pixel at " << x;
}

TEST_F(GraphKeys, CopiesWithTheMouseOverTheGraphWhileSomethingElseHasTheFocus) {
    auto* button = new QPushButton(QStringLiteral("OK"), &window);
    button->move(0, 90);
    button->show();
    button->setFocus();
    showReadout();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(box, &enter);
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3.000\t-1.250"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(box, &leave);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString()) << "the mouse has left the graph";
}

TEST_F(GraphKeys, ContextMenuOffersBothCopies) {
    auto* menu = box->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("値をコピー"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("グラフをコピー"));

    const struct {
        const char* name;
        bool readout;
    } cases[] = {{"without a readout", false}, {"with a readout", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.readout)
            showReadout();
        // The menu key, as a keyboard user opens it.
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(50, 40), box->mapToGlobal(QPoint(50, 40)));
        QApplication::sendEvent(box, &key);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(actions[0]->isEnabled(), c.readout);
        EXPECT_TRUE(actions[1]->isEnabled());
        menu->hide();
    }
    actions[0]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3.000\t-1.250"));
    actions[1]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(100, 80));

    box->setKeyboardReadout(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible()) << "Shift+F10 opens it too";
    menu->hide();
}

} // namespace
} // namespace mirendo
