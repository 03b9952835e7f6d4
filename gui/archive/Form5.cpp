#include "archive/Form5.h"

#include "widgets/MessageBox.h"

#include <QIODevice>

namespace mirendo {

Form5::Form5(QWidget* parent)
    : SaveNameDialog("Form5", QStringLiteral("Image Save"), QStringLiteral(":/forms/Form5.tsv"),
                     {QStringLiteral("*.bmp")}, parent) {}

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
