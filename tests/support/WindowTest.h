#pragma once
// The one fixture of the window tests: a temporary working folder, hooks that record every box
// and answer every question the test has prepared an answer for (an unexpected one fails the
// test instead of hanging it), control lookup and the user's gestures on controls found by
// objectName.
#include "core/state/Module1.h"
#include "qt/messages/Messages.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace mirendo::testing {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        SetMessageHook([this](const QString& text, MessageIcon icon) {
            m_messages << text;
            m_icons << icon;
        });
        // A question is recorded like a message, with MessageIcon::Question; unprepared, it is
        // answered No, which keeps things as they are.
        SetQuestionHook([this](const QString& text) {
            m_messages << text;
            m_icons << MessageIcon::Question;
            if (m_answers.isEmpty()) {
                ADD_FAILURE() << "unexpected question: " << text.toStdString();
                return false;
            }
            return m_answers.takeFirst();
        });
    }
    void TearDown() override {
        SetMessageHook({});
        SetQuestionHook({});
        QDir::setCurrent(m_previousDir);
        EXPECT_TRUE(m_messages.isEmpty()) << "unexpected message: " << m_messages.join(" | ").toStdString();
        EXPECT_TRUE(m_answers.isEmpty()) << m_answers.size() << " prepared answers were not asked for";
    }

    // The user's answer to the next Yes/No question: Yes when `yes`.
    void answerNextQuestion(bool yes) { m_answers << yes; }

    struct ShownMessage {
        QString text;
        MessageIcon icon = MessageIcon::None;
    };
    // The next recorded message with its icon; the test fails when there is none.
    ShownMessage takeShown() {
        if (m_messages.isEmpty()) {
            ADD_FAILURE() << "a message box was expected";
            return {};
        }
        const MessageIcon icon = m_icons.isEmpty() ? MessageIcon::None : m_icons.takeFirst();
        return {m_messages.takeFirst(), icon};
    }
    QString takeMessage() { return takeShown().text; }
    bool noMessages() const { return m_messages.isEmpty(); }
    // Consumes every recorded message and compares them with `expected`, in order.
    void expectMessages(const std::vector<std::pair<QString, MessageIcon>>& expected) {
        ASSERT_EQ(std::size_t(m_messages.size()), expected.size());
        for (const auto& [text, icon] : expected) {
            const ShownMessage shown = takeShown();
            EXPECT_EQ(shown.text, text);
            EXPECT_EQ(shown.icon, icon);
        }
    }
    // Consumes the one recorded message, a warning that contains `part`.
    void expectOneMessageContaining(const QString& part) {
        ASSERT_EQ(m_messages.size(), 1);
        const ShownMessage shown = takeShown();
        EXPECT_TRUE(shown.text.contains(part)) << shown.text.toStdString();
        EXPECT_EQ(shown.icon, MessageIcon::Warning);
    }

    // Consumes the one recorded message, which must begin with `expected`: what a function of the
    // messages file gives for the failure (their words are checked in the messages' own test).
    void expectMessageStartingWith(const QString& expected) {
        ASSERT_EQ(m_messages.size(), 1) << m_messages.join(" | ").toStdString();
        const QString shown = takeMessage();
        EXPECT_TRUE(shown.startsWith(expected)) << shown.toStdString() << "\n  not begun by\n"
                                                << expected.toStdString();
    }
    // The engine bridge's message for `cause` as far as it is told by the cause alone.
    static QString CalculationMessageOf(exchange::Cause cause, int code = 0) {
        return CalculationMessage(exchange::Failure::Of(cause, code));
    }
    // The first line of a message: its heading.
    static QString Heading(const QString& message) { return message.section(QLatin1Char('\n'), 0, 0); }

    // Consumes the next box shown, which must be a question.
    QString takeQuestion() {
        const ShownMessage shown = takeShown();
        EXPECT_EQ(shown.icon, MessageIcon::Question) << shown.text.toStdString();
        return shown.text;
    }

    QString workPath(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    bool exists(const QString& name) const { return QFile::exists(workPath(name)); }
    // Whether either exchange file with the engine (B2F.dat, F2B.dat) is in the working folder.
    bool anyExchangeFile() const {
        return exists(QStringLiteral("B2F.dat")) || exists(QStringLiteral("F2B.dat"));
    }
    QByteArray bytesOf(const QString& name) const {
        QFile file(workPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(workPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // Both exchange files, as a calculation leaves them behind.
    void writeExchangeFiles() const {
        writeFile(QStringLiteral("B2F.dat"), " 1 \r\n");
        writeFile(QStringLiteral("F2B.dat"), " 1\r\n");
    }

    template <typename T> static T* control(const QWidget* window, const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // A mouse click on an enabled button (a disabled one fails the test).
    static void click(const QWidget* window, const char* name) {
        auto* button = control<QAbstractButton>(window, name);
        if (!button)
            return;
        ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Replaces the text of an enabled box as the user types it (a disabled one fails the test,
    // as the user could not type there).
    static void type(const QWidget* window, const char* name, const QString& text) {
        auto* box = control<QLineEdit>(window, name);
        if (!box)
            return;
        ASSERT_TRUE(box->isEnabled()) << name << " is disabled";
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
    // The texts of a list's rows, top to bottom.
    static QStringList itemTexts(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; list && i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
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

    QTemporaryDir m_dir;
    QString m_previousDir;
    QStringList m_messages;
    QList<MessageIcon> m_icons; // beside m_messages, one per message
    QList<bool> m_answers;      // prepared answers to the coming questions, in order
};

} // namespace mirendo::testing
