#pragma once
// Shared fixture of the window tests: a temporary working folder, a message hook that records
// every box (an unexpected one fails the test instead of hanging it) and control lookup.
#include "state/Module1.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace mirendo::testing {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        SetMessageHook([this](const QString& text, MessageIcon) { m_messages << text; });
    }
    void TearDown() override {
        SetMessageHook({});
        QDir::setCurrent(m_previousDir);
        EXPECT_TRUE(m_messages.isEmpty()) << "unexpected message: " << m_messages.join(" | ").toStdString();
    }

    // The next recorded message; the test fails when there is none.
    QString takeMessage() {
        if (m_messages.isEmpty()) {
            ADD_FAILURE() << "a message box was expected";
            return {};
        }
        return m_messages.takeFirst();
    }

    QString workPath(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    bool exists(const QString& name) const { return QFile::exists(workPath(name)); }
    QByteArray bytesOf(const QString& name) const {
        QFile file(workPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
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

    QTemporaryDir m_dir;
    QString m_previousDir;
    QStringList m_messages;
};

} // namespace mirendo::testing
