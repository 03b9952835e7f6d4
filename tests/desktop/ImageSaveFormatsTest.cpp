// The image save in its three formats, from the browser's drawn graph through the real windows:
// BMP (the default) and PNG hold the pixels shown, SVG the same drawing as vectors; the refusals
// of the save hold for each of them.
#include "archive/ArchiveSamples.h"
#include "core/exchange/AtomicFile.h"
#include "support/AppTest.h"
#include "support/GraphArea.h"
#include "widgets/FolderLists.h"
#include "windows/BatchEvaluationWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QXmlStreamReader>

#include <map>
#include <tuple>

namespace mirendo::testing {
namespace {

struct FormatRow {
    ImageFormat format;
    const char* suffix;
    QString saved;
    QString caption; // Label3
};

const FormatRow kFormats[] = {
    {ImageFormat::Bmp, ".bmp", QStringLiteral("  グラフ画像をビットマップ形式(bmp)で保存しました  "),
     QStringLiteral("ビットマップ形式で保存します")},
    {ImageFormat::Png, ".png", QStringLiteral("  グラフ画像をPNG形式(png)で保存しました  "),
     QStringLiteral("PNG 形式で保存します")},
    {ImageFormat::Svg, ".svg", QStringLiteral("  グラフ画像をSVG形式(svg)で保存しました  "),
     QStringLiteral("SVG 形式で保存します")},
};

class ImageSaveFormats : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        const Calculation calc = CalculationsOfEveryMode()[3];
        drawInBrowser(
            QStringLiteral("run-Mi.csv"),
            QByteArray::fromStdString(FormatArchive(StateAfterCalculation(calc), calc.settings).value));
        m_browser = m_windows->form6();
        click(m_browser, "Command4");
        m_save = m_windows->form5();
        ASSERT_TRUE(m_save->folderLists()->setPath(m_dir.path()));
    }

    // "グラフ画像保存" of the browser, then the format chosen and the name typed; the limits and
    // the trust line around a PNG or SVG left as they are (on) or clicked off.
    void openSave(const FormatRow& row, const QString& name, bool withScale = true) {
        click(m_browser, "Command8");
        control<QComboBox>(m_save, "Combo1")->setCurrentIndex(int(row.format));
        control<QLineEdit>(m_save, "Text1")->setText(name);
        auto* scale = control<QCheckBox>(m_save, "CheckScale");
        EXPECT_EQ(scale->isEnabled(), row.format != ImageFormat::Bmp);
        if (scale->isEnabled() && scale->isChecked() != withScale)
            QTest::mouseClick(scale, Qt::LeftButton);
        EXPECT_EQ(m_save->withScale(), withScale && row.format != ImageFormat::Bmp);
    }

    Form6* m_browser = nullptr;
    Form5* m_save = nullptr;
};

TEST_F(ImageSaveFormats, EveryFormatWritesTheShownGraph) {
    EXPECT_EQ(m_save->format(), ImageFormat::Bmp) << "BMP unless another is chosen";
    const QImage shown = testing::GraphImageOf(m_browser);
    for (const FormatRow& row : kFormats) {
        SCOPED_TRACE(row.suffix);
        openSave(row, QStringLiteral("graph"), false);
        EXPECT_EQ(control<QLabel>(m_save, "Label5")->text(), QLatin1Char(' ') + QLatin1String(row.suffix));
        EXPECT_EQ(control<QLabel>(m_save, "Label3")->text(), row.caption);
        click(m_save, "Command1");
        EXPECT_EQ(takeMessage(), row.saved);
        EXPECT_FALSE(m_save->isVisible());
        const QString file = QStringLiteral("graph") + QLatin1String(row.suffix);
        if (row.format != ImageFormat::Svg) {
            EXPECT_EQ(bytesOf(file).startsWith("BM"), row.format == ImageFormat::Bmp) << "a Windows bitmap";
            const QImage back(workPath(file));
            EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), shown);
            continue;
        }
        std::map<QString, int> elements;
        QString viewBox;
        QXmlStreamReader xml(bytesOf(file));
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                ++elements[xml.name().toString()];
                if (xml.name() == QLatin1String("svg"))
                    viewBox = xml.attributes().value(QLatin1String("viewBox")).toString();
            }
        EXPECT_EQ(std::tuple(xml.hasError(), viewBox),
                  std::tuple(false, QStringLiteral("0 0 %1 %2").arg(shown.width()).arg(shown.height())));
        // Grid lines and the curve as polylines; the frame, the curve's first dot and the four
        // points as paths.
        EXPECT_GE(elements[QStringLiteral("polyline")], 2);
        EXPECT_EQ(elements[QStringLiteral("path")], 1 + 1 + 4);
    }
    // Choosing a format lists the files of that kind.
    control<QComboBox>(m_save, "Combo1")->setCurrentIndex(int(ImageFormat::Png));
    auto* list = control<QListWidget>(m_save, "File1");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("graph.png"));
}

// On by default, a PNG or SVG is read without the program: the graph as shown with the limit
// labels as the browser shows them and the trust line around it (the SVG's as text).
TEST_F(ImageSaveFormats, PngAndSvgCarryTheLimitsAndTheTrustLine) {
    const QImage shown = testing::GraphImageOf(m_browser);
    const QString xStart = control<QLabel>(m_browser, "Label14")->text();
    const QString trust = control<QLabel>(m_browser, "LabelTrust")->text();
    ASSERT_FALSE(trust.isEmpty());
    openSave(kFormats[1], QStringLiteral("framed"));
    click(m_save, "Command1");
    EXPECT_EQ(takeMessage(), kFormats[1].saved);
    const QImage png = QImage(workPath(QStringLiteral("framed.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_GT(png.width(), shown.width());
    ASSERT_GT(png.height(), shown.height());
    bool found = false;
    for (int left = 0; left <= png.width() - shown.width() && !found; ++left)
        found = png.copy(left, 4, shown.width(), shown.height()) == shown;
    EXPECT_TRUE(found) << "the graph as shown, right of the Y limits";

    openSave(kFormats[2], QStringLiteral("framed"));
    click(m_save, "Command1");
    EXPECT_EQ(takeMessage(), kFormats[2].saved);
    QString texts;
    QXmlStreamReader xml(bytesOf(QStringLiteral("framed.svg")));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts += xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    EXPECT_TRUE(texts.contains(xStart)) << texts.toStdString();
    EXPECT_TRUE(QString(texts).remove(u' ').contains(QString(trust).remove(u' ').left(8)))
        << texts.toStdString();
}

// The two windows' saves (the picture's, shared with the archive's dialog, and the batch table's)
// force their files to disk.
TEST_F(ImageSaveFormats, KeptFilesAreForcedToDisk) {
    struct Syncs : exchange::SaveSteps {
        int count = 0;
        int syncFile(int fd) override { return ++count, SaveSteps::syncFile(fd); }
    } syncs;
    exchange::SaveSteps* previous = exchange::SetSaveSteps(&syncs);
    openSave(kFormats[1], QStringLiteral("kept"));
    click(m_save, "Command1");
    EXPECT_EQ(takeMessage(), kFormats[1].saved);
    click(m_browser, "CommandBatch");
    control<QPlainTextEdit>(m_browser->batchWindow(), "TextValues")->setPlainText(QStringLiteral("1 2"));
    click(m_browser->batchWindow(), "CommandCalculate");
    click(m_browser->batchWindow(), "CommandSave");
    EXPECT_FALSE(takeMessage().isEmpty());
    exchange::SetSaveSteps(previous);
    EXPECT_EQ(syncs.count, 2);
}

TEST_F(ImageSaveFormats, ChoiceIsReachedByTabFromTheNameAndChangedByKeys) {
    click(m_browser, "Command8");
    auto* name = control<QLineEdit>(m_save, "Text1");
    ASSERT_TRUE(activate(m_save, name));
    QTest::keyClick(name, Qt::Key_Tab);
    auto* choice = control<QComboBox>(m_save, "Combo1");
    ASSERT_EQ(QApplication::focusWidget(), choice);
    QTest::keyClick(choice, Qt::Key_Down);
    EXPECT_EQ(m_save->format(), ImageFormat::Png);
    EXPECT_EQ(control<QLabel>(m_save, "Label5")->text(), QStringLiteral(" .png"));
    QTest::keyClick(choice, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    EXPECT_EQ(choice->accessibleName(), QStringLiteral("保存形式"));
}

TEST_F(ImageSaveFormats, RefusalsHoldForEveryFormat) {
    for (const FormatRow& row : kFormats) {
        SCOPED_TRACE(row.suffix);
        const QString suffix = QLatin1String(row.suffix);
        writeFile(QStringLiteral("keep") + suffix, "an earlier picture");
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("taken") + suffix));
        const struct {
            QString typed, messageStart;
        } refusals[] = {
            {QString(), QStringLiteral("  ファイル名を入力して下さい！ ")},
            {QStringLiteral("sub/keep"), QStringLiteral("  ファイル名に「/」は使えません")},
            {QStringLiteral("taken"), QStringLiteral("  グラフ画像を保存できませんでした")},
            {QString(300, QLatin1Char('k')), QStringLiteral("  グラフ画像を保存できませんでした")},
        };
        for (const auto& refusal : refusals) {
            openSave(row, refusal.typed);
            click(m_save, "Command1");
            EXPECT_TRUE(takeMessage().startsWith(refusal.messageStart)) << refusal.typed.toStdString();
            EXPECT_TRUE(m_save->isVisible());
        }
        EXPECT_EQ(bytesOf(QStringLiteral("keep") + suffix), QByteArray("an earlier picture"));
        EXPECT_FALSE(exists(suffix));
        // An existing file of that name is replaced once the user agrees.
        openSave(row, QStringLiteral("keep"));
        answerNextQuestion(true);
        click(m_save, "Command1");
        EXPECT_EQ(takeShown().icon, MessageIcon::Question);
        EXPECT_EQ(takeMessage(), row.saved);
        EXPECT_NE(bytesOf(QStringLiteral("keep") + suffix), QByteArray("an earlier picture"));
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(suffix).size(), 1)
            << "no temporary file left behind";
    }
}

} // namespace
} // namespace mirendo::testing
