// Screen readers: every control a user can operate in every window has a name to read out.
#include "support/AppTest.h"

#include "widgets/PictureBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

namespace mirendo {
namespace {

using DesktopTest = testing::AppTest;

QString AccessibleName(QWidget* widget) {
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

bool IsInteractive(QWidget* widget) {
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QComboBox*>(widget) ||
           qobject_cast<PictureBox*>(widget);
}

// "Window/Control" of every interactive control without a name.
QStringList Unnamed(QWidget* window) {
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Parts of composite controls (a list's scroll bars, a combo box's popup) are read
        // through their control.
        if (widget->window() != window || !IsInteractive(widget) || widget->objectName().isEmpty())
            continue;
        if (AccessibleName(widget).isEmpty())
            unnamed << window->objectName() + QLatin1Char('/') + widget->objectName();
    }
    return unnamed;
}

class Accessibility : public DesktopTest {};

TEST_F(Accessibility, EveryInteractiveControlHasAName) {
    std::vector<QWidget*> windows = allWindows();
    // The read-error window appears after a failed read.
    readPointFile(QStringLiteral("bad.csv"), "1x,2\r\n");
    QWidget* readError = m_windows->form10()->findChild<QWidget*>(QStringLiteral("Form3"));
    ASSERT_NE(readError, nullptr);
    windows.push_back(readError);
    QStringList unnamed;
    int controls = 0;
    for (QWidget* window : windows) {
        unnamed << Unnamed(window);
        for (QWidget* widget : window->findChildren<QWidget*>())
            controls += IsInteractive(widget);
    }
    EXPECT_GT(controls, 60);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST_F(Accessibility, PictureButtonsAndSettingBoxesAreNamed) {
    // (A value label is read by its value and described by its meaning: ValueReadoutTest.cpp.)
    click(m_windows->form2(), "Command1");
    const std::tuple<QWidget*, const char*, const char*> rows[] = {
        {m_windows->form1(), "Command2", "スタート画面に戻る"},
        {m_windows->form1(), "Picture1", "グラフ表示エリア"},
        {m_windows->form1(), "Text5", "X 軸 開始値"},
        {m_windows->form1(), "Text10", "Y 軸 増分"},
        {m_windows->form6(), "Command2", "スタート画面に戻る"},
        {m_windows->form6(), "Picture2", "計算する"},
        {m_windows->form2(), "Command4", "ファイルデータの書式例"},
    };
    for (const auto& [window, name, spoken] : rows)
        EXPECT_EQ(AccessibleName(control<QWidget>(window, name)), QString::fromUtf8(spoken)) << name;
    // Captioned buttons are read by their caption.
    auto* calculate = control<QAbstractButton>(m_windows->form1(), "Command4");
    EXPECT_EQ(AccessibleName(calculate), calculate->text());
}

} // namespace
} // namespace mirendo
