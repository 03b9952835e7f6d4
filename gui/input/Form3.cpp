#include "input/Form3.h"

#include "widgets/EnterKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/PendingEvents.h"
#include "widgets/RangeLabels.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace mirendo {

namespace {
const FormRow kControls[] = {
    {"Shape1", ControlKind::Outline, "", 480, 120, 6975, 5295},
    {"Label1", ControlKind::BlueLabel, "ファイル読み込み時に、エラーが発生しました。", 840, 480, 0, 0},
    {"Label2", ControlKind::Label, "原因として、下記が考えられます。", 840, 1080, 0, 0},
    {"Label5", ControlKind::Label, "・データが１列しかない行がある。", 1080, 1680, 0, 0},
    {"Label7", ControlKind::Label, "・データが３列以上ある行がある。", 1080, 2160, 0, 0},
    {"Label9", ControlKind::Label, "・データ数が制限値（10）を超えている。", 1080, 2640, 0, 0},
    {"Label3", ControlKind::Label, "・不連続点が存在する（同じＸ値がある）。", 1080, 3120, 0, 0},
    {"Label4", ControlKind::Label, "・Ｘ軸データ値の順序が途中で間違っている。", 1080, 3600, 0, 0},
    {"Label8", ControlKind::Label, "・データ以外の内容が書き込まれた行がある。", 1080, 4080, 0, 0},
    {"Label6", ControlKind::BlueLabel, "確認の上、ファイル内容を修正して下さい。", 1080, 4800, 0, 0},
    {"Command1", ControlKind::Button, "閉じる", 3240, 5640, 1335, 615},
};
} // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
    SetUpWindow(this, "Form3", QStringLiteral("読み込みエラー"), 7935, 6600);
    const FormControls c = BuildForm(this, kControls);
    auto* close = c.get<QPushButton>("Command1");
    connect(close, &QPushButton::clicked, this, &Form3::Command1_Click);
    auto* keys = new EnterKeys(this);
    keys->clickOnEnter(close);
}

void Form3::Command1_Click() {
    hide();
}

} // namespace mirendo
