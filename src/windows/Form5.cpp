#include "windows/Form5.h"

#include "qt/messages/Messages.h"

#include "widgets/FolderLists.h"
#include "widgets/FormLayout.h"
#include "widgets/MessageBox.h"

#include <QBuffer>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

namespace mirendo {

namespace {

// The caption above the lists and the confirmation, in the words of the chosen format; the
// bitmap's are the dialog's original texts.
struct FormatTexts {
    QString caption;
    QString saved;
};

FormatTexts TextsOf(ImageFormat format) {
    switch (format) {
    case ImageFormat::Bmp:
        break;
    case ImageFormat::Png:
        return {QCoreApplication::translate("mirendo::Form5", "PNG 形式で保存します"),
                PaddedLines(
                    QCoreApplication::translate("mirendo::Form5", "グラフ画像をPNG形式(png)で保存しました"),
                    kTwoBlankMargin)};
    case ImageFormat::Svg:
        return {QCoreApplication::translate("mirendo::Form5", "SVG 形式で保存します"),
                PaddedLines(
                    QCoreApplication::translate("mirendo::Form5", "グラフ画像をSVG形式(svg)で保存しました"),
                    kTwoBlankMargin)};
    }
    return {QCoreApplication::translate("mirendo::Form5", "ビットマップ形式で保存します"),
            PaddedLines(QCoreApplication::translate("mirendo::Form5",
                                                    "グラフ画像をビットマップ形式(bmp)で保存しました"),
                        kTwoBlankMargin)};
}

} // namespace

Form5::Form5(QWidget* parent)
    : SaveNameDialog("Form5", QStringLiteral("Image Save"), QStringLiteral(":/forms/Form5.tsv"),
                     {QStringLiteral("*.bmp")}, parent) {
    m_combo1 = findChild<QComboBox*>(QStringLiteral("Combo1"));
    m_label3 = findChild<QLabel*>(QStringLiteral("Label3"));
    m_label5 = findChild<QLabel*>(QStringLiteral("Label5"));
    m_combo1->setAccessibleName(tr("保存形式"));
    m_combo1->setAccessibleDescription(tr("BMP（ビットマップ）、PNG、SVG（ベクター）から選びます"));
    m_combo1->setToolTip(tr("保存形式"));
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &Form5::Combo1_Click);
    // Under the buttons, not in the drawn layout: whether a PNG or SVG can be read on its own.
    m_withScale = new QCheckBox(tr("目盛りと信頼性を含める"), this);
    m_withScale->setObjectName(QStringLiteral("CheckScale"));
    m_withScale->setGeometry(TwipRect(1080, 7740, 4455, 345));
    m_withScale->setChecked(true);
    m_withScale->setAccessibleName(m_withScale->text());
    m_withScale->setAccessibleDescription(
        tr("PNG と SVG に軸の範囲と信頼性の行を入れます（BMP はグラフだけ）"));
    m_withScale->setEnabled(false); // BMP first
    setTabOrder(findChild<QWidget*>(QStringLiteral("Command2")), m_withScale);
}

bool Form5::withScale() const {
    return format() != ImageFormat::Bmp && m_withScale->isChecked();
}

ImageFormat Form5::format() const {
    const int index = m_combo1->currentIndex();
    return index >= 0 && index < int(std::size(kImageFormats)) ? kImageFormats[index] : ImageFormat::Bmp;
}

void Form5::Combo1_Click(int) {
    const QString suffix = ImageSuffix(format());
    m_label5->setText(QLatin1Char(' ') + suffix);
    m_label3->setText(TextsOf(format()).caption);
    m_withScale->setEnabled(format() != ImageFormat::Bmp);
    // The list shows the files of the chosen kind: the ones a save of that name would replace.
    folderLists()->setPatterns({QLatin1Char('*') + suffix});
}

void Form5::open(const QString& proposedName, const GraphPicture& picture) {
    m_picture = picture;
    openWithName(proposedName);
}

void Form5::Command1_Click() {
    const ImageFormat chosen = format();
    const QString path = targetPath(ImageSuffix(chosen));
    if (path.isEmpty())
        return;
    if (m_picture.image.isNull()) {
        ShowMessage(this, PaddedLines(tr("保存するグラフ画像がありません"), kTwoBlankMargin));
        return;
    }
    QByteArray bytes;
    QBuffer out(&bytes);
    if (!out.open(QIODevice::WriteOnly) || !WriteGraphPicture(m_picture, chosen, out, withScale())) {
        ShowMessage(this, PaddedLines(tr("グラフ画像を作れませんでした"), kTwoBlankMargin));
        return;
    }
    if (!save(path, bytes, tr("  グラフ画像を保存できませんでした")))
        return;
    ShowMessage(this, TextsOf(chosen).saved, MessageIcon::None);
    hide();
}

} // namespace mirendo
