// Layout at any screen scale (the test runs at 1x and, with QT_SCALE_FACTOR=2, at 2x): captions
// fit their controls, and a saved graph has the graph's own pixel size.
#include "support/AppTest.h"

#include "qt/lang/Language.h"
#include "support/GraphArea.h"
#include "widgets/PictureBox.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/Form3.h"
#include "windows/FormChart.h"
#include "windows/FormChartSave.h"
#include "windows/GridDialog.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>

namespace mirendo {
namespace {

using DesktopTest = testing::AppTest;

struct Clip {
    QString where, line;
    int need = 0, room = 0;
};

// Width (and height) the caption needs against what the control offers, per line. Rich or
// wrapped texts, pictures and value boxes written at run time are left out.
void CheckCaption(QWidget* widget, QList<Clip>& clips) {
    QString text;
    int room = 0;
    int roomHeight = 0;
    const QFontMetrics fm = widget->fontMetrics();
    QStyle* style = widget->style();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return;
        text = label->text();
        int indent = label->indent();
        if (indent < 0)
            indent = label->frameWidth() > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        const bool centred = label->alignment() & Qt::AlignHCenter;
        room = label->contentsRect().width() - 2 * label->margin() - (centred ? 0 : indent);
        roomHeight = label->contentsRect().height() - 2 * label->margin();
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        text = radio->text();
        room = radio->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
        roomHeight = radio->height();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->text().isEmpty())
            return;
        text = button->text();
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        room =
            button->width() - 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 + frame);
        roomHeight = button->height() - 2 * frame;
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        text = group->title();
        room = group->width() - 2 * fm.horizontalAdvance(QLatin1Char(' ')) - 8;
    } else {
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QString where = widget->window()->objectName() + QLatin1Char('/') + widget->objectName();
    for (const QString& line : lines) {
        const int need = fm.horizontalAdvance(line);
        if (need > room)
            clips.push_back({where, line, need, room});
    }
    // The glyphs themselves must not be cut at the top or bottom.
    const int inkHeight =
        fm.tightBoundingRect(text.left(1).isEmpty() ? QStringLiteral("X") : lines.first()).height();
    const int needHeight = int(lines.size() - 1) * fm.lineSpacing() + inkHeight;
    if (roomHeight > 0 && needHeight > roomHeight)
        clips.push_back({where + QStringLiteral(" (height)"), text, needHeight, roomHeight});
}

// Every caption that does not fit, with the scale it was measured at.
std::string ClipReport(const QList<Clip>& clips) {
    QStringList report;
    for (const Clip& clip : clips)
        report << QStringLiteral("%1 \"%2\" needs %3 has %4")
                      .arg(clip.where, clip.line)
                      .arg(clip.need)
                      .arg(clip.room);
    return "scale " + std::to_string(qApp->devicePixelRatio()) + ": " +
           report.join(QStringLiteral("; ")).toStdString();
}

class Scale : public DesktopTest {};

TEST_F(Scale, CaptionsFitTheirControls) {
    QList<Clip> clips;
    int checked = 0;
    for (QWidget* window : allWindows()) {
        window->show(); // fonts and styles are resolved for shown windows
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->isHidden())
                continue;
            const int before = int(clips.size());
            CheckCaption(widget, clips);
            checked += 1;
            (void)before;
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_TRUE(clips.isEmpty()) << ClipReport(clips);
}

TEST_F(Scale, SavedGraphHasTheGraphsPixelSizeAtAnyScale) {
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), scale);                 // the run really is at that scale
    drawCurveOf("1,2\r\n2,5\r\n4,3\r\n", 1, {"", "", "", "", "", ""}); // limits from the data
    Form1* main = m_windows->form1();
    ASSERT_EQ(m_state.GraphDrawn, 1);

    // The widget shows the graph at its logical size, enlarged on a scaled screen.
    const QImage graph = testing::GraphImageOf(main);
    const QSize graphSize = control<PictureBox>(main, "Picture1")->size();
    EXPECT_EQ(graph.size(), graphSize);
    EXPECT_DOUBLE_EQ(graph.devicePixelRatio(), 1.0);

    click(main, "Command8");
    control<QLineEdit>(m_windows->form5(), "Text1")->setText(QStringLiteral("graph"));
    click(m_windows->form5(), "Command1");
    EXPECT_EQ(takeMessage(), QStringLiteral("  グラフ画像をビットマップ形式(bmp)で保存しました  "));
    QImageReader saved(workPath(QStringLiteral("graph.bmp")));
    EXPECT_EQ(saved.size(), graphSize);
    const QImage read = saved.read();
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), graph.convertToFormat(QImage::Format_RGB32));
}

// In English, window by window: every caption translated (no Japanese left, no empty button,
// option or frame title) and fitting its control, measured with the control's own font. The
// controls' places come from the tables in either language, so a caption inside its own control
// reaches no other.
class EnglishScale : public DesktopTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        InstallLanguage(text::Language::English);
        DesktopTest::SetUp();
    }
    void TearDown() override {
        DesktopTest::TearDown();
        RemoveLanguage();
    }
};

TEST_P(EnglishScale, CaptionsTranslatedAndFitting) {
    const QString name = QString::fromLatin1(GetParam());
    std::vector<QWidget*> windows = allWindows();
    Form3 readError;
    BatchEvaluationWindow batch(Module1{});
    GridDialog grid(&batch);
    FormChartSave chartSave;
    windows.push_back(m_windows->formChart());
    windows.push_back(&chartSave);
    windows.push_back(&readError);
    windows.push_back(&batch);
    windows.push_back(&grid);
    const auto found =
        std::find_if(windows.begin(), windows.end(), [&](QWidget* w) { return w->objectName() == name; });
    ASSERT_NE(found, windows.end()) << GetParam();
    QWidget* window = *found;
    window->show();
    const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QList<Clip> clips;
    QStringList untranslated;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isHidden() || widget->objectName().isEmpty()) // Qt's own parts (a table's corner)
            continue;
        CheckCaption(widget, clips);
        QString text;
        bool mustHaveText = true;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            mustHaveText = false; // value labels start empty
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            mustHaveText = button->icon().isNull();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = group->title();
        } else {
            continue;
        }
        if ((mustHaveText && text.isEmpty()) || text.contains(japanese))
            untranslated << widget->objectName() + QStringLiteral(" \"") + text + QLatin1Char('"');
    }
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(clips.isEmpty()) << ClipReport(clips);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, EnglishScale,
                         ::testing::Values("Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form9",
                                           "Form10", "Form11", "FormBatch", "FormGrid", "FormChart",
                                           "FormChartSave"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace mirendo
