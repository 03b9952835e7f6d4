#include "archive/Form5.h"

#include "archive/ArchiveLayout.h"
#include "widgets/FolderLists.h"
#include "widgets/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>

namespace mirendo {

using namespace archivelayout;

Form5::Form5(Module1& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("Form5"));
    SetUpWindow(this, QStringLiteral("Image Save"), 6255, 8145);

    AddLabel(this, "Label1", QStringLiteral("表示されているグラフ画像を"), Twips(1080, 240, 3705, 285),
             LabelStyle::Blue);
    AddLabel(this, "Label3", QStringLiteral("ビットマップ形式で保存します"), Twips(1080, 600, 3990, 285),
             LabelStyle::Blue);
    QComboBox* drive = AddDriveList(this, Twips(960, 1080, 4335, 345));
    QListWidget* dir = AddList(this, "Dir1", Twips(960, 1440, 4335, 1620));
    QListWidget* file = AddList(this, "File1", Twips(960, 3120, 4335, 2565));
    AddLabel(this, "Label4", QStringLiteral("保存ファイル名を入力して下さい"), Twips(1080, 5880, 4275, 285),
             LabelStyle::Blue);
    AddLabel(this, "Label2", QStringLiteral("（拡張子は付けないで下さい）"), Twips(1320, 6240, 3990, 285),
             LabelStyle::Blue);
    m_text1 = AddTextBox(this, "Text1", Twips(1080, 6600, 3255, 450));
    AddLabel(this, "Label5", QStringLiteral(" .bmp"), Twips(4320, 6600, 975, 450));
    QPushButton* ok = AddButton(this, "Command1", QStringLiteral("OK"), Twips(1560, 7200, 1455, 495));
    QPushButton* cancel = AddButton(this, "Command2", QStringLiteral("Cancel"), Twips(3360, 7200, 1335, 495));

    m_lists = new FolderLists(drive, dir, file, {QStringLiteral("*.bmp")}, this);
    m_text1->setAccessibleName(QStringLiteral("保存ファイル名（拡張子なし）"));
    connect(ok, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(m_text1, &QLineEdit::returnPressed, this, &Form5::Command1_Click);
}

void Form5::setImageProvider(int imageSource, std::function<QImage()> provider) {
    (imageSource == 1 ? m_mainImage : m_browserImage) = std::move(provider);
}

void Form5::openWith(const QString& proposedName) {
    m_text1->setText(proposedName);
    show();
    raise();
    activateWindow();
    // Ready to take or change the proposed name and confirm it with Enter.
    m_text1->setFocus(Qt::OtherFocusReason);
    m_text1->selectAll();
}

void Form5::Command1_Click() {
    const QString name = m_text1->text();
    // An empty name would save the hidden file ".bmp", which the user would never see again.
    if (name.isEmpty()) {
        ShowMessage(this, QStringLiteral("  ファイル名を入力して下さい！ "));
        return;
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0))) {
        ShowMessage(
            this, QStringLiteral("  ファイル名に「/」は使えません  \n  保存ファイル名の欄を直して下さい  "));
        return;
    }
    const QString path = JoinPath(m_lists->path(), name + QStringLiteral(".bmp"));
    const std::function<QImage()>& provider = m_state.ImageSource == 1 ? m_mainImage : m_browserImage;
    const QImage image = provider ? provider() : QImage();
    if (image.isNull()) {
        ShowMessage(this, QStringLiteral("  保存するグラフ画像がありません  "));
        return;
    }

    // Written to a temporary file and renamed only when complete, so a failure (no permission,
    // full disk, a folder of that name) leaves an existing file intact.
    QSaveFile out(path);
    const bool written = out.open(QIODevice::WriteOnly) && image.save(&out, "BMP") && out.commit();
    if (!written) {
        const QString reason = out.errorString();
        out.cancelWriting();
        ShowMessage(this, QStringLiteral("  グラフ画像を保存できませんでした  \n  ") + path +
                              QStringLiteral("  \n  ") + reason + QStringLiteral("  "));
        return;
    }
    ShowMessage(this, QStringLiteral("  グラフ画像をビットマップ形式(bmp)で保存しました  "),
                MessageIcon::None);
    hide();
}

void Form5::Command2_Click() {
    hide();
}

} // namespace mirendo
