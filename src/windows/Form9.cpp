#include "windows/Form9.h"

#include "core/input/PointFileReader.h"
#include "qt/messages/Messages.h"
#include "widgets/EnterKeys.h"
#include "widgets/FolderLists.h"
#include "widgets/FormLayout.h"
#include "widgets/ListKeyChoice.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"
#include "widgets/RangeLabels.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace mirendo {

Form9::Form9(const QString& workDir, QWidget* parent) : QWidget(parent, Qt::Window), m_workDir(workDir) {
    SetUpWindow(this, "Form9", tr("データ書式"), 14880, 5880);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form9.tsv"));
    c.get<QLabel>("Picture2")
        ->setPixmap(QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    m_file1 = c.get<QListWidget>("File1");
    m_list1 = c.get<QListWidget>("List1");
    auto* close = c.get<QPushButton>("Command1");

    connect(m_file1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item)
            File1_Click(item->text());
    });
    // Arrows and Enter (or Space) show an example without the mouse.
    connect(new ListKeyChoice(m_file1), &ListKeyChoice::chosen, this,
            [this](QListWidgetItem* item) { File1_Click(item->text()); });
    m_file1->setAccessibleName(tr("データ例のファイル"));
    m_list1->setAccessibleName(tr("データ例の内容"));
    ConnectButtonHandlers(this);
    auto* keys = new EnterKeys(this);
    keys->clickOnEnter(close);
    refreshFiles();
}

void Form9::refreshFiles() {
    const QString selected = m_file1->currentItem() ? m_file1->currentItem()->text() : QString();
    m_file1->clear();
    const QStringList names = QDir(m_workDir).entryList(
        {QStringLiteral("ex_*.csv"), QStringLiteral("ex_*.dat")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    m_file1->addItems(names);
    const auto again = m_file1->findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !again.isEmpty())
        m_file1->setCurrentItem(again.first());
}

void Form9::showEvent(QShowEvent* event) {
    refreshFiles(); // examples copied in while the program runs show up
    QWidget::showEvent(event);
}

void Form9::File1_Click(const QString& name) {
    m_list1->clear();
    const std::string path = QFile::encodeName(JoinPath(m_workDir, name)).toStdString();
    const TextListing listing = ListTextLines(path);
    if (!listing.ok) {
        // The listing only says that it failed; the point-file reader says why (missing, no
        // permission, a folder, not text).
        const PointFileRead why = ReadPointFile(path);
        ShowMessage(this,
                    ExampleFileMessage(why.failure
                                           ? *why.failure
                                           : exchange::Failure::OfFile(exchange::Cause::FileReadFailed, path),
                                       name),
                    MessageIcon::Warning);
        return;
    }
    for (const std::string& line : listing.lines)
        m_list1->addItem(QString::fromStdString(line));
    if (listing.cut) {
        // Said in the list itself, where the missing lines would be; not one of the file's lines.
        auto* note = new QListWidgetItem(ExampleCutNote(int(listing.lines.size())), m_list1);
        note->setData(Qt::UserRole, QStringLiteral("cut"));
        note->setFlags(Qt::ItemIsEnabled);
        note->setForeground(QColor(128, 0, 0));
        QFont italic = note->font();
        italic.setItalic(true);
        note->setFont(italic);
    }
}

void Form9::Command1_Click() {
    m_list1->clear();
    hide();
}

} // namespace mirendo
