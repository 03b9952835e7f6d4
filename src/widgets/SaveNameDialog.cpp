#include "widgets/SaveNameDialog.h"

#include "core/exchange/AtomicFile.h"
#include "qt/messages/Messages.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace mirendo {

SaveNameDialog::SaveNameDialog(const char* objectName, const QString& title, const QString& tablePath,
                               const QStringList& patterns, QWidget* parent)
    : QWidget(parent) {
    SetUpWindow(this, objectName, title, 6255, 8145);
    const FormControls c = BuildForm(this, tablePath);
    m_text1 = c.get<QLineEdit>("Text1");
    m_lists = new FolderLists(c.get<QComboBox>("Drive1"), c.get<QListWidget>("Dir1"),
                              c.get<QListWidget>("File1"), patterns, this);
    m_text1->setAccessibleName(tr("保存ファイル名（拡張子なし）"));
    ConnectButtonHandlers(this);
    connect(m_text1, &QLineEdit::returnPressed, this, &SaveNameDialog::Command1_Click);
}

void SaveNameDialog::openWithName(const QString& proposedName) {
    m_text1->setText(proposedName);
    // Files may have come or gone since the last showing, by this program or another.
    m_lists->refreshFiles();
    show();
    raise();
    activateWindow();
    readyForAnotherName();
}

void SaveNameDialog::readyForAnotherName() {
    // Ready to take or change the name and confirm it with Enter.
    m_text1->setFocus(Qt::OtherFocusReason);
    m_text1->selectAll();
}

QString SaveNameDialog::targetPath(const QString& suffix) {
    const QString name = m_text1->text();
    // An empty name would save a hidden file of the bare suffix, which the user would never see
    // again; a name of blanks counts as a name.
    if (name.isEmpty()) {
        ShowMessage(this, tr("  ファイル名を入力して下さい！ "));
        return QString();
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0))) {
        ShowMessage(this, PaddedLines(tr("ファイル名に「/」は使えません\n保存ファイル名の欄を直して下さい"),
                                      kTwoBlankMargin));
        return QString();
    }
    return JoinPath(m_lists->path(), name + suffix);
}

bool SaveNameDialog::save(const QString& path, const QByteArray& bytes, const QString& failure) {
    const QFileInfo existing(path);
    // A folder of that name is not replaced: the write below fails and says so.
    if (existing.exists() && !existing.isDir() &&
        !AskYesNo(
            this,
            PaddedLines(tr("%1 は既にあります。置き換えますか？"), kWideMargin).arg(existing.fileName()))) {
        readyForAnotherName();
        return false;
    }
    const std::string file = QFile::encodeName(path).toStdString();
    const auto notWritten =
        exchange::SaveFileDurably(file, std::string_view(bytes.constData(), std::size_t(bytes.size())))
            .failure(file);
    if (notWritten) {
        ShowMessage(this, failure + QStringLiteral("  \n") + WriteFailureMessage(*notWritten));
        return false;
    }
    m_lists->refreshFiles();
    return true;
}

void SaveNameDialog::Command2_Click() {
    hide();
}

} // namespace mirendo
