#include "archive/Form4.h"

#include "archive/ArchiveFile.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"

#include <QIODevice>

namespace mirendo {

namespace {
const FormRow kControls[] = {
    {"Label1", ControlKind::BlueLabel, "補間データを保存します", 1080, 240, 3705, 285},
    {"Label2", ControlKind::BlueLabel, "（エクセルcsv形式で保存）", 1320, 600, 3990, 285},
    {"Drive1", ControlKind::DriveList, "", 960, 1080, 4335, 345},
    {"Dir1", ControlKind::List, "", 960, 1440, 4335, 1620},
    {"File1", ControlKind::List, "", 960, 3120, 4335, 2565},
    {"Label3", ControlKind::BlueLabel, "保存ファイル名を入力して下さい", 1080, 5880, 4275, 285},
    {"Label4", ControlKind::BlueLabel, "（拡張子は付けないで下さい）", 1320, 6240, 3990, 285},
    {"Text1", ControlKind::TextBox, "", 1080, 6600, 3255, 450},
    {"Label5", ControlKind::Label, " -Mi.csv", 4320, 6600, 975, 450},
    {"Command1", ControlKind::Button, "OK", 1560, 7200, 1455, 495},
    {"Command2", ControlKind::Button, "Cancel", 3360, 7200, 1335, 495},
};
} // namespace

// The lists open on the working folder of its drive; clicking a file name does nothing, the list
// only shows what already exists.
Form4::Form4(Module1& state, QWidget* parent)
    : SaveNameDialog("Form4", QStringLiteral("Data save"), kControls, {QString::fromLatin1(kArchivePattern)},
                     parent),
      m_state(state) {}

void Form4::setSettingTextsProvider(std::function<std::array<QString, 6>()> provider) {
    m_settingTexts = std::move(provider);
}

void Form4::Command1_Click() {
    const QString path = targetPath(QString::fromLatin1(kArchiveSuffix));
    if (path.isEmpty())
        return;

    SettingTexts settings;
    if (m_settingTexts) {
        const std::array<QString, 6> texts = m_settingTexts();
        for (std::size_t i = 0; i < texts.size(); ++i)
            settings[i] = texts[i].toStdString();
    }
    const ArchiveFormat format = FormatArchive(m_state, settings);
    if (!format.ok) {
        ShowMessage(this, QStringLiteral("  保存できません：") + QString::fromStdString(format.error) +
                              QStringLiteral("  \n  メイン画面のグラフ設定を直して下さい  "));
        return;
    }
    const auto write = [&format](QIODevice& out) {
        return out.write(format.bytes.data(), qint64(format.bytes.size())) == qint64(format.bytes.size());
    };
    if (!saveAtomically(path, write, QStringLiteral("  補間データを保存できませんでした")))
        return;
    m_state.FilePath = path.toStdString();
    LetPendingPaintsThrough();
    ShowMessage(this, QStringLiteral("  補間データは保存されました  "), MessageIcon::None);
    hide();
}

} // namespace mirendo
