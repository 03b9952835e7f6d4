#include "archive/Form5.h"

#include "widgets/MessageBox.h"

#include <QIODevice>

namespace mirendo {

namespace {
const FormRow kControls[] = {
    {"Label1", ControlKind::BlueLabel, "表示されているグラフ画像を", 1080, 240, 3705, 285},
    {"Label3", ControlKind::BlueLabel, "ビットマップ形式で保存します", 1080, 600, 3990, 285},
    {"Drive1", ControlKind::DriveList, "", 960, 1080, 4335, 345},
    {"Dir1", ControlKind::List, "", 960, 1440, 4335, 1620},
    {"File1", ControlKind::List, "", 960, 3120, 4335, 2565},
    {"Label4", ControlKind::BlueLabel, "保存ファイル名を入力して下さい", 1080, 5880, 4275, 285},
    {"Label2", ControlKind::BlueLabel, "（拡張子は付けないで下さい）", 1320, 6240, 3990, 285},
    {"Text1", ControlKind::TextBox, "", 1080, 6600, 3255, 450},
    {"Label5", ControlKind::Label, " .bmp", 4320, 6600, 975, 495},
    {"Command1", ControlKind::Button, "OK", 1560, 7200, 1455, 495},
    {"Command2", ControlKind::Button, "Cancel", 3360, 7200, 1335, 495},
};
} // namespace

Form5::Form5(QWidget* parent)
    : SaveNameDialog("Form5", QStringLiteral("Image Save"), kControls, {QStringLiteral("*.bmp")}, parent) {}

void Form5::open(const QString& proposedName, const QImage& image) {
    m_image = image;
    openWithName(proposedName);
}

void Form5::Command1_Click() {
    const QString path = targetPath(QStringLiteral(".bmp"));
    if (path.isEmpty())
        return;
    if (m_image.isNull()) {
        ShowMessage(this, QStringLiteral("  保存するグラフ画像がありません  "));
        return;
    }
    if (!saveAtomically(
            path, [this](QIODevice& out) { return m_image.save(&out, "BMP"); },
            QStringLiteral("  グラフ画像を保存できませんでした")))
        return;
    ShowMessage(this, QStringLiteral("  グラフ画像をビットマップ形式(bmp)で保存しました  "),
                MessageIcon::None);
    hide();
}

} // namespace mirendo
