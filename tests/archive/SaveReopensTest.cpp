// The data save writes only what the browser reopens: archives of every mode with edited setting
// boxes either reopen and draw, or are refused naming the box at fault.
#include "ArchiveSamples.h"
#include "core/archive/ArchiveReader.h"
#include "core/archive/ArchiveWriter.h"
#include "core/plot/Plot.h"
#include "qt/messages/Messages.h"
#include "support/CanvasCalls.h"

#include <gtest/gtest.h>

#include <tuple>

namespace mirendo {
namespace {

struct Edit {
    const char* name;
    int mode; // 1..4: the calculation of that mode from the samples
    int box;  // setting box edited (0 X start .. 5 Y step), -1 for none
    std::string text;
    int refusedBox; // -1: saved and reopened
};

TEST(SaveReopens, EverySavedArchiveOpensAndDrawsInTheBrowser) {
    const std::vector<Edit> edits = {
        {"linear as confirmed", 1, -1, "", -1},
        {"linear start edited", 1, 0, "-2.5", -1},
        {"linear stop in E form", 1, 1, "1.2e1", -1},
        {"linear step emptied", 1, 2, "", -1},
        {"linear Y stop with text after the number", 1, 4, "12 m", -1},
        {"linear start above stop", 1, 0, "7", 0},
        {"linear Y start equal to stop", 1, 3, "10", 3},
        {"linear value too large to draw", 1, 4, "1e38", 4},
        {"log Y as confirmed", 2, -1, "", -1},
        {"log Y start edited to another decade", 2, 3, "1.0E-02", -1},
        {"log Y start not a decade text", 2, 3, "0.01", 3},
        {"log Y stop not a decade text", 2, 4, "100", 4},
        {"log Y start not positive", 2, 3, "0", 3},
        {"log Y decades reversed", 2, 3, "1.0E+03", 3},
        {"linear X beside log Y edited", 2, 1, "4.5", -1},
        {"log X as confirmed", 3, -1, "", -1},
        {"log X stop three-digit decade", 3, 1, "1.0E+100", -1},
        {"log X start negative three-digit decade", 3, 0, "1.0E-100", 0},
        {"log X stop lower case", 3, 1, "1.0e+03", 1},
        {"log-log as confirmed", 4, -1, "", -1},
        {"log-log Y stop edited", 4, 4, "1.0E+05", -1},
        {"log-log X start with one exponent digit", 4, 0, "1.0E-2", 0},
    };
    const std::vector<testing::Calculation> calculations = testing::CalculationsOfEveryMode();
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        const testing::Calculation& calc = calculations.at(std::size_t(edit.mode - 1));
        SettingTexts settings = calc.settings;
        if (edit.box >= 0)
            settings[std::size_t(edit.box)] = edit.text;
        const ArchiveFormat saved = FormatArchiveForSave(testing::StateAfterCalculation(calc), settings);
        if (edit.refusedBox >= 0) {
            EXPECT_FALSE(saved.ok());
            EXPECT_TRUE(saved.value.empty());
            ASSERT_TRUE(saved.failure);
            EXPECT_EQ(saved.failure->field - 1, edit.refusedBox);
            const QString message = ArchiveSaveMessage(*saved.failure, settings);
            EXPECT_TRUE(
                message.startsWith(QStringLiteral("  保存できません：") + SettingBoxName(edit.refusedBox)))
                << message.toStdString();
            continue;
        }
        ASSERT_TRUE(saved.ok());
        EXPECT_EQ(saved.value, FormatArchive(testing::StateAfterCalculation(calc), settings).value);

        // The browser's steps: read, load into the shared state, draw in the file's mode.
        const ArchiveRead read = ParseArchive(saved.value);
        ASSERT_TRUE(read.ok());
        Module1 browser;
        browser.Ln10 = Module1::kLn10;
        LoadSavedPlot(read.value, "saved-Mi.csv", browser);
        RecordingCanvas canvas;
        PlotSavedForMode(browser, canvas);
        EXPECT_EQ(std::tuple(browser.ScaleMode, browser.XStartText, browser.YStepText,
                             testing::CallsOf(canvas, RecordingCanvas::Kind::Frame).size()),
                  std::tuple(edit.mode, settings[0], settings[5], 1u));
        EXPECT_EQ(int(testing::CallsOf(canvas, RecordingCanvas::Kind::LineTo).size()),
                  browser.SampleCount - 1);
        for (const RecordingCanvas::Call& call : testing::CallsOf(canvas, RecordingCanvas::Kind::LineTo))
            ASSERT_TRUE(std::isfinite(call.a) && std::isfinite(call.b));
    }
}

TEST(SaveReopens, ValuesBeyondTheReaderAreRefusedWithoutABox) {
    const testing::Calculation calc = testing::CalculationsOfEveryMode()[0];
    Module1 state = testing::StateAfterCalculation(calc);
    state.CurveY[3] = 1e39; // beyond single precision: the reader refuses it
    const ArchiveFormat saved = FormatArchiveForSave(state, calc.settings);
    EXPECT_FALSE(saved.ok());
    ASSERT_TRUE(saved.failure);
    EXPECT_NE(saved.failure->subject, exchange::Subject::Setting);
    EXPECT_FALSE(ArchiveReadText(*saved.failure).isEmpty());
}

} // namespace
} // namespace mirendo
