#include "widgets/SaveNameDialog.h"

#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>

namespace mirendo {

SaveNameDialog::SaveNameDialog(const char* objectName, const QString& title, const QString& tablePath,
                               const QStringList& patterns, QWidget* parent)
    : QWidget(parent) {
    SetUpWindow(this, objectName, title, 6255, 8145);
    const FormControls c = BuildForm(this, tablePath);
    m_text1 = c.get<QLineEdit>("Text1");
    m_lists = new FolderLists(c.get<QComboBox>("Drive1"), c.get<QListWidget>("Dir1"),
                              c.get<QListWidget>("File1"), patterns, this);
    m_text1->setAccessibleName(QStringLiteral("保存ファイル名（拡張子なし）"));
    ConnectButtonHandlers(this);
    connect(m_text1, &QLineEdit::returnPressed, this, &SaveNameDialog::Command1_Click);
}

void SaveNameDialog::openWithName(const QString& proposedName) {
    m_text1->setText(proposedName);
    show();
    raise();
    activateWindow();
    // Ready to take or change the proposed name and confirm it with Enter.
    m_text1->setFocus(Qt::OtherFocusReason);
    m_text1->selectAll();
}

QString SaveNameDialog::targetPath(const QString& suffix) {
    const QString name = m_text1->text();
    // An empty name would save a hidden file of the bare suffix, which the user would never see
    // again; a name of blanks counts as a name.
    if (name.isEmpty()) {
        ShowMessage(this, QStringLiteral("  ファイル名を入力して下さい！ "));
        return QString();
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0))) {
        ShowMessage(
            this, QStringLiteral("  ファイル名に「/」は使えません  \n  保存ファイル名の欄を直して下さい  "));
        return QString();
    }
    return JoinPath(m_lists->path(), name + suffix);
}

bool SaveNameDialog::saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                                    const QString& failure) {
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && write(out) && out.commit())
        return true;
    const QString reason = out.errorString();
    out.cancelWriting();
    ShowMessage(this, failure + QStringLiteral("  \n  ") + path + QStringLiteral("  \n  ") + reason +
                          QStringLiteral("  "));
    return false;
}

void SaveNameDialog::Command2_Click() {
    hide();
}

} // namespace mirendo
