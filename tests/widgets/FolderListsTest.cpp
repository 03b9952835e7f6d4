#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

QStringList texts(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(JoinPath, NeverDoublesTheSeparator) {
    const struct {
        const char *folder, *name, *expected;
    } cases[] = {
        {"/", "a.csv", "/a.csv"},
        {"/home", "a.csv", "/home/a.csv"},
        {"/home/", "a.csv", "/home/a.csv"},
        {"", "a.csv", "a.csv"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinPath(c.folder, c.name), QString(c.expected)) << c.folder;
}

class FolderListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        root = QDir::cleanPath(m_tmp.path());
        for (const char* name : {"b.csv", "a.dat", "notes.txt", "c.DAT", "runMi.csv.bak"})
            touch(root + "/" + name);
        QDir(root).mkdir("sub");
        QDir(root).mkdir("Alpha");
        touch(root + "/sub/inner.csv");
    }

    QTemporaryDir m_tmp;
    QString root;
    QComboBox drive;
    QListWidget dir, file;
};

TEST_F(FolderListsTest, ListsOnlyMatchingFilesSortedAndSubfolders) {
    FolderLists lists(&drive, &dir, &file, {"*.dat", "*.csv"});
    ASSERT_TRUE(lists.setPath(root));
    EXPECT_EQ(lists.path(), root);
    EXPECT_EQ(texts(dir).value(0), root) << "the folder list moved there";
    // Name patterns match regardless of case, as the user expects of "*.dat".
    EXPECT_EQ(texts(file), QStringList({"a.dat", "b.csv", "c.DAT"}));
    EXPECT_EQ(texts(dir), QStringList({root, "..", "Alpha", "sub"}));
    EXPECT_GE(drive.count(), 1);
    EXPECT_TRUE(root.startsWith(drive.currentText()));
    EXPECT_EQ(std::tuple(lists.selectedName(), lists.selectedPath()), std::tuple(QString(), QString()));
}

TEST_F(FolderListsTest, FolderPicturesAreTheStyles) {
    // The pictures are asked of the style only when drawn; drawn, they are the style's own.
    FolderLists lists(&drive, &dir, &file, {"*.csv"});
    ASSERT_TRUE(lists.setPath(root));
    const auto drawn = [](const QIcon& icon) {
        QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        icon.paint(&p, image.rect());
        return image;
    };
    const struct {
        int row;
        QStyle::StandardPixmap picture;
    } rows[] = {
        {0, QStyle::SP_DirOpenIcon}, {1, QStyle::SP_FileDialogToParent}, {2, QStyle::SP_DirClosedIcon}};
    for (const auto& r : rows) {
        const QIcon style = QApplication::style()->standardIcon(r.picture);
        const QIcon shown = dir.item(r.row)->icon();
        EXPECT_EQ(shown.isNull(), style.isNull()) << r.row;
        EXPECT_EQ(shown.pixmap(16).toImage(), style.pixmap(16).toImage()) << r.row;
        EXPECT_EQ(drawn(shown), drawn(style)) << r.row;
    }
}

TEST_F(FolderListsTest, ActivatingFoldersMovesTheFileList) {
    FolderLists lists(&drive, &dir, &file, {"*.csv"});
    ASSERT_TRUE(lists.setPath(root));
    emit dir.itemActivated(dir.findItems("sub", Qt::MatchExactly).at(0));
    EXPECT_EQ(std::tuple(lists.path(), texts(file), texts(dir)),
              std::tuple(root + "/sub", QStringList({"inner.csv"}), QStringList({root + "/sub", ".."})));
    emit dir.itemActivated(dir.item(1));
    EXPECT_EQ(lists.path(), root);
    EXPECT_EQ(texts(dir).value(0), root) << "the folder list moved back";
}

TEST_F(FolderListsTest, BadFoldersLeaveEverythingWhereItWas) {
    FolderLists lists(&drive, &dir, &file, {"*.csv"});
    ASSERT_TRUE(lists.setPath(root));
    for (const QString& bad : {root + "/missing", root + "/b.csv", QString()}) {
        EXPECT_FALSE(lists.setPath(bad)) << bad.toStdString();
        EXPECT_EQ(std::tuple(lists.path(), texts(file)), std::tuple(root, QStringList({"b.csv"})));
    }
    EXPECT_EQ(texts(dir).value(0), root) << "the folder list stayed";
}

TEST_F(FolderListsTest, ClickSelectsAndReportsTheFile) {
    FolderLists lists(&drive, &dir, &file, {"*.dat", "*.csv"});
    ASSERT_TRUE(lists.setPath(root));
    QSignalSpy clicked(&lists, &FolderLists::fileClicked);
    file.resize(200, 200);
    file.show();
    const QRect rect = file.visualItemRect(file.item(1));
    QTest::mouseClick(file.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "b.csv");
    EXPECT_EQ(std::tuple(lists.selectedName(), lists.selectedPath()), std::tuple("b.csv", root + "/b.csv"));
    lists.clearSelection();
    EXPECT_EQ(lists.selectedName(), QString());
    // Refreshing the list also drops the selection: a stale name must not be read later.
    QTest::mouseClick(file.viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    lists.refreshFiles();
    EXPECT_EQ(lists.selectedName(), QString());
}

TEST_F(FolderListsTest, RootNeverDoublesTheSeparator) {
    FolderLists lists(&drive, &dir, &file, {"*.csv"});
    ASSERT_TRUE(lists.setPath("/"));
    EXPECT_EQ(lists.path(), "/");
    EXPECT_FALSE(texts(dir).contains("..")) << "no parent above the root";
    EXPECT_EQ(texts(dir).value(0), "/");
    ASSERT_TRUE(lists.setPath(root + "/sub/.."));
    EXPECT_EQ(lists.path(), root);
}

TEST_F(FolderListsTest, DriveResetGoesToWorkingFolderOnThatDrive) {
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root + "/sub"));
    FolderLists lists(&drive, &dir, &file, {"*.csv"});
    EXPECT_EQ(lists.path(), root + "/sub");
    ASSERT_TRUE(lists.setPath("/"));
    lists.resetToCurrentFolderOfDrive();
    // Working folder and "/" may sit on different mounts; either way we land somewhere readable
    // on the selected drive, and that is the working folder when it lives there.
    const QString driveRoot = drive.currentData().toString();
    if ((root + "/sub").startsWith(driveRoot))
        EXPECT_EQ(lists.path(), root + "/sub");
    else
        EXPECT_EQ(lists.path(), driveRoot);
    QDir::setCurrent(saved);
}

TEST_F(FolderListsTest, UnreadableDriveLeavesListsAndDriveChoiceAlone) {
    FolderLists lists(&drive, &dir, &file, {"*.csv"});
    ASSERT_TRUE(lists.setPath(root));
    const QString shownDrive = drive.currentText();
    drive.addItem("/no-such-mount", "/no-such-mount"); // a volume that went away after listing
    drive.setCurrentIndex(drive.count() - 1);
    emit drive.activated(drive.count() - 1);
    EXPECT_EQ(std::tuple(lists.path(), texts(file), drive.currentText()),
              std::tuple(root, QStringList({"b.csv"}), shownDrive));
    EXPECT_EQ(texts(dir).value(0), root) << "the folder list stayed";
}

TEST_F(FolderListsTest, FileIsChosenByKeyOnceAndByClickOnce) {
    // Arrows only move; Enter, keypad Enter and Space choose the current file; a click chooses
    // once (no second read from an activation); a held key chooses once.
    struct Row {
        const char* name;
        std::function<void(QListWidget&)> act;
        QStringList chosen;
    };
    const auto keys = [](std::initializer_list<Qt::Key> keyList) {
        return [sequence = std::vector<Qt::Key>(keyList)](QListWidget& list) {
            for (Qt::Key k : sequence) {
                const Qt::KeyboardModifiers mods = k == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
                const QString text = k == Qt::Key_Space ? QStringLiteral(" ") : QString();
                QKeyEvent press(QEvent::KeyPress, k, mods, text);
                QKeyEvent release(QEvent::KeyRelease, k, mods, text);
                QApplication::sendEvent(&list, &press);
                QApplication::sendEvent(&list, &release);
            }
        };
    };
    const auto clickRow = [](int row) {
        return [row](QListWidget& list) {
            const QRect cell = list.visualItemRect(list.item(row));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
        };
    };
    const Row rows[] = {
        {"arrows alone", keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}), {}},
        {"down, Enter", keys({Qt::Key_Down, Qt::Key_Return}), {"a.dat"}},
        {"down twice, keypad Enter", keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}), {"b.csv"}},
        {"down, Space", keys({Qt::Key_Down, Qt::Key_Space}), {"a.dat"}},
        {"Enter with no current file", keys({Qt::Key_Return}), {}},
        {"click", clickRow(1), {"b.csv"}},
        {"held Enter",
         [](QListWidget& list) {
             QTest::keyClick(&list, Qt::Key_Down);
             QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
             QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
             QApplication::sendEvent(&list, &press);
             QApplication::sendEvent(&list, &repeat);
             QApplication::sendEvent(&list, &repeat);
         },
         {"a.dat"}},
    };
    for (const Row& row : rows) {
        QListWidget files;
        FolderLists lists(&drive, &dir, &files, {"*.dat", "*.csv"});
        ASSERT_TRUE(lists.setPath(root));
        ASSERT_EQ(texts(files), QStringList({"a.dat", "b.csv", "c.DAT"})) << row.name;
        files.resize(200, 200);
        files.show();
        QStringList chosen;
        QObject::connect(&lists, &FolderLists::fileClicked, [&](const QString& name) { chosen << name; });
        row.act(files);
        EXPECT_EQ(chosen, row.chosen) << row.name;
        if (!row.chosen.isEmpty()) {
            EXPECT_EQ(lists.selectedName(), row.chosen.last()) << row.name;
        }
    }
}

TEST_F(FolderListsTest, ListsHaveNamesForScreenReaders) {
    QComboBox named;
    named.setAccessibleName("own name");
    FolderLists lists(&named, &dir, &file, {"*.csv"});
    EXPECT_EQ(std::tuple(named.accessibleName(), dir.accessibleName(), file.accessibleName()),
              std::tuple(QString("own name"), QString("フォルダ"), QString("ファイル")));
}

TEST(MessageBox, HookReceivesTextAndIcon) {
    QStringList texts;
    QList<MessageIcon> icons;
    SetMessageHook([&](const QString& text, MessageIcon icon) {
        texts << text;
        icons << icon;
    });
    ShowMessage(nullptr, QStringLiteral("　入力値が不正です！　"));
    ShowMessage(nullptr, QStringLiteral("  saved  "), MessageIcon::None);
    // A question nobody prepared an answer for is recorded too, and answered No.
    EXPECT_FALSE(AskYesNo(nullptr, QStringLiteral("　a は既にあります。置き換えますか？　")));
    SetMessageHook({});
    EXPECT_EQ(texts, QStringList({QStringLiteral("　入力値が不正です！　"), QStringLiteral("  saved  "),
                                  QStringLiteral("　a は既にあります。置き換えますか？　")}));
    EXPECT_EQ(icons, QList<MessageIcon>({MessageIcon::Warning, MessageIcon::None, MessageIcon::Question}));
}

} // namespace
} // namespace mirendo
