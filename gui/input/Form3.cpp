#include "input/Form3.h"

#include "input/InputLayout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace mirendo {

using namespace inputlayout;

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("読み込みエラー"));
    SetWindowFont(this);
    SetClientSize(this, 7935, 6600);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(Twips(480, 120, 6975, 5295));

    AddLabel(this, "Label1", QStringLiteral("ファイル読み込み時に、エラーが発生しました。"), 840, 480, 0, 0,
             true);
    AddLabel(this, "Label2", QStringLiteral("原因として、下記が考えられます。"), 840, 1080);
    AddLabel(this, "Label5", QStringLiteral("・データが１列しかない行がある。"), 1080, 1680);
    AddLabel(this, "Label7", QStringLiteral("・データが３列以上ある行がある。"), 1080, 2160);
    AddLabel(this, "Label9", QStringLiteral("・データ数が制限値（10）を超えている。"), 1080, 2640);
    AddLabel(this, "Label3", QStringLiteral("・不連続点が存在する（同じＸ値がある）。"), 1080, 3120);
    AddLabel(this, "Label4", QStringLiteral("・Ｘ軸データ値の順序が途中で間違っている。"), 1080, 3600);
    AddLabel(this, "Label8", QStringLiteral("・データ以外の内容が書き込まれた行がある。"), 1080, 4080);
    AddLabel(this, "Label6", QStringLiteral("確認の上、ファイル内容を修正して下さい。"), 1080, 4800, 0, 0,
             true);
    QPushButton* close = AddButton(this, "Command1", QStringLiteral("閉じる"), 3240, 5640, 1335, 615);
    connect(close, &QPushButton::clicked, this, &Form3::Command1_Click);
    auto* keys = new EnterKeys(this);
    keys->clickOnEnter(close);
}

void Form3::Command1_Click() {
    hide();
}

} // namespace mirendo
