#include "archive/Form4.h"

#include "archive/ArchiveFile.h"
#include "archive/ArchiveLayout.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>

namespace mirendo {

using namespace archivelayout;

Form4::Form4(Module1& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("Form4"));
    SetUpWindow(this, QStringLiteral("Data save"), 6255, 8145);

    AddLabel(this, "Label1", QStringLiteral("補間データを保存します"), Twips(1080, 240, 3705, 285),
             LabelStyle::Blue);
    AddLabel(this, "Label2", QStringLiteral("（エクセルcsv形式で保存）"), Twips(1320, 600, 3990, 285),
             LabelStyle::Blue);
    QComboBox* drive = AddDriveList(this, Twips(960, 1080, 4335, 345));
    QListWidget* dir = AddList(this, "Dir1", Twips(960, 1440, 4335, 1620));
    QListWidget* file = AddList(this, "File1", Twips(960, 3120, 4335, 2565));
    AddLabel(this, "Label3", QStringLiteral("保存ファイル名を入力して下さい"), Twips(1080, 5880, 4275, 285),
             LabelStyle::Blue);
    AddLabel(this, "Label4", QStringLiteral("（拡張子は付けないで下さい）"), Twips(1320, 6240, 3990, 285),
             LabelStyle::Blue);
    m_text1 = AddTextBox(this, "Text1", Twips(1080, 6600, 3255, 450));
    AddLabel(this, "Label5", QStringLiteral(" -Mi.csv"), Twips(4320, 6600, 975, 450));
    QPushButton* ok = AddButton(this, "Command1", QStringLiteral("OK"), Twips(1560, 7200, 1455, 495));
    QPushButton* cancel = AddButton(this, "Command2", QStringLiteral("Cancel"), Twips(3360, 7200, 1335, 495));

    // The lists open on the working folder of its drive; clicking a file name does nothing, the
    // list only shows what already exists.
    m_lists = new FolderLists(drive, dir, file, {QString::fromLatin1(kArchivePattern)}, this);
    m_text1->setAccessibleName(QStringLiteral("保存ファイル名（拡張子なし）"));
    connect(ok, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(m_text1, &QLineEdit::returnPressed, this, &Form4::Command1_Click);
}

void Form4::setSettingTextsProvider(std::function<std::array<QString, 6>()> provider) {
    m_settingTexts = std::move(provider);
}

void Form4::openWith(const QString& defaultName) {
    m_text1->setText(defaultName);
    show();
    raise();
    activateWindow();
    // Ready to take or change the proposed name and confirm it with Enter.
    m_text1->setFocus(Qt::OtherFocusReason);
    m_text1->selectAll();
}

QString Form4::targetPath() {
    const QString name = m_text1->text();
    if (name.isEmpty()) { // a name of blanks counts as a name
        ShowMessage(this, QStringLiteral("  ファイル名を入力して下さい！ "));
        return QString();
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0))) {
        ShowMessage(
            this, QStringLiteral("  ファイル名に「/」は使えません  \n  保存ファイル名の欄を直して下さい  "));
        return QString();
    }
    return JoinPath(m_lists->path(), name + QString::fromLatin1(kArchiveSuffix));
}

void Form4::Command1_Click() {
    const QString path = targetPath();
    if (path.isEmpty())
        return;

    SettingTexts settings;
    if (m_settingTexts) {
        const std::array<QString, 6> texts = m_settingTexts();
        for (std::size_t i = 0; i < texts.size(); ++i)
            settings[i] = texts[i].toStdString();
    }
    // Checked with the browser's own reader: a file it would refuse is not written.
    const ArchiveFormat format = FormatArchiveForSave(m_state, settings);
    if (!format.ok) {
        ShowMessage(this, QStringLiteral("  保存できません：") + QString::fromStdString(format.error) +
                              (format.badSetting >= 0
                                   ? QStringLiteral("  \n  メイン画面のグラフ設定を直して下さい  ")
                                   : QStringLiteral("  ")));
        return;
    }

    // Written beside the target and renamed over it only once complete: a failure anywhere
    // leaves an existing file of that name as it was.
    QSaveFile out(path);
    const bool written =
        out.open(QIODevice::WriteOnly) &&
        out.write(format.bytes.data(), qint64(format.bytes.size())) == qint64(format.bytes.size()) &&
        out.commit();
    if (!written) {
        const QString reason = out.errorString();
        out.cancelWriting();
        ShowMessage(this, QStringLiteral("  補間データを保存できませんでした  \n  ") + path +
                              QStringLiteral("  \n  ") + reason + QStringLiteral("  "));
        return;
    }
    m_state.FilePath = path.toStdString();
    LetPendingPaintsThrough();
    ShowMessage(this, QStringLiteral("  補間データは保存されました  "), MessageIcon::None);
    hide();
}

void Form4::Command2_Click() {
    hide();
}

} // namespace mirendo
