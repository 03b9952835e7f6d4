#pragma once
// Fixture of the robustness window tests: every window of the program created and wired as at
// start-up, a temporary working folder, message boxes recorded instead of shown (an unexpected
// one fails the test), and the steps of a calculation driven through the real controls.
#include "input/Form10.h"
#include "state/Module1.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "windows/Calculation.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/WindowSet.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>

#ifndef MIRENDO_ENGINE_DIR
#error "MIRENDO_ENGINE_DIR must name the folder that holds Ventrel"
#endif

namespace mirendo::robustness {

// A text shown to the user that betrays a non-finite number.
inline bool ShowsNonFinite(const QString& text) {
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

class RobustWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        SetMessageHook([this](const QString& text, MessageIcon) { m_messages << text; });
        m_windows = std::make_unique<WindowSet>(m_state, engineFolder());
        m_windows->form2()->show();
    }
    void TearDown() override {
        if (m_windows) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return !m_windows->calculation()->isRunning(); }, 10000));
        }
        m_windows.reset();
        SetMessageHook({});
        QDir::setCurrent(m_previousDir);
        EXPECT_TRUE(m_messages.isEmpty()) << "unexpected message: " << m_messages.join(" | ").toStdString();
    }
    // Where the window set looks for the engine before PATH.
    virtual QString engineFolder() const { return QStringLiteral(MIRENDO_ENGINE_DIR); }

    QString takeMessage() {
        if (m_messages.isEmpty()) {
            ADD_FAILURE() << "a message box was expected";
            return {};
        }
        return m_messages.takeFirst();
    }

    QString workPath(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(workPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    template <typename T> static T* control(const QWidget* window, const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void click(const QWidget* window, const char* name) {
        auto* button = control<QAbstractButton>(window, name);
        if (!button)
            return;
        ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void type(const QWidget* window, const char* name, const QString& text) {
        auto* box = control<QLineEdit>(window, name);
        if (!box || !box->isEnabled())
            return;
        box->clear();
        // Typed key by key where QTest has keys for it; long texts and other scripts are inserted
        // as an input method would.
        bool keyable = text.size() <= 200;
        for (const QChar ch : text)
            keyable = keyable && ch.unicode() >= 0x20 && ch.unicode() < 0x7F;
        if (keyable)
            QTest::keyClicks(box, text);
        else
            box->insert(text);
    }
    static QString textOf(const QWidget* window, const char* name) {
        if (auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return box->text();
        if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        ADD_FAILURE() << "no text control " << name;
        return {};
    }
    // Clicks a name in a file list as the user does.
    static void clickListItem(const QWidget* window, const char* list, const QString& name) {
        auto* files = control<QListWidget>(window, list);
        ASSERT_NE(files, nullptr);
        const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString() << " is not listed";
        files->scrollToItem(items.front());
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(items.front()).center());
    }

    Form1* main() const { return m_windows->form1(); }

    // Start window → main window → file input → the file clicked → OK.
    void readPointFile(const QString& name, const QByteArray& bytes) {
        writeFile(name, bytes);
        click(m_windows->form2(), "Command1");
        click(main(), "Command9");
        Form10* input = m_windows->form10();
        ASSERT_TRUE(input->isVisible());
        input->folderLists()->refreshFiles();
        clickListItem(input, "File1", name);
    }
    void acceptPoints() { click(m_windows->form10(), "Command1"); }

    // Scale option, the six setting boxes as typed, ④ and ⑤.
    void plot(int mode, const std::array<QString, 6>& settings) {
        const char* options[] = {"Option1", "Option2", "Option3", "Option4"};
        QTest::mouseClick(control<QRadioButton>(main(), options[mode - 1]), Qt::LeftButton);
        const char* boxes[] = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text10"};
        for (int i = 0; i < 6; ++i)
            type(main(), boxes[i], settings[i]);
        click(main(), "Command3");
    }
    // ⑥, then ⑦ once the engine has ended.
    void calculateAndDrawCurve() {
        click(main(), "Command4");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !m_windows->calculation()->isRunning(); }, 10000));
        click(main(), "Command5");
    }

    // Every text the main window shows as a number.
    QStringList mainWindowNumberTexts() const {
        QStringList texts;
        for (const char* name :
             {"Label14", "Label15", "Label16", "Label17", "Label27", "Label28", "Label31", "Label32",
              "Label33", "Label34", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"})
            texts << textOf(main(), name);
        auto* table = control<QListWidget>(main(), "List1");
        for (int i = 0; table && i < table->count(); ++i)
            texts << table->item(i)->text();
        return texts;
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
    QStringList m_messages;
    Module1 m_state;
    std::unique_ptr<WindowSet> m_windows;
};

} // namespace mirendo::robustness
