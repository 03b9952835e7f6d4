// The archive file as the browser loads it: a refused file changes nothing of the shared state,
// an accepted one is applied whole and is drawable; the writer's bytes of what was loaded read
// back as the same values, and writing them again gives the same bytes.
#include "FuzzCheck.h"
#include "core/archive/ArchiveReader.h"
#include "core/archive/ArchiveWriter.h"
#include "core/curve/EvaluateAtX.h"
#include "core/plot/AxisRules.h"
#include "core/state/Module1.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace {

using mirendo::Module1;

// A state that already holds an earlier load and typed points.
std::unique_ptr<Module1> Baseline() {
    auto s = std::make_unique<Module1>();
    s->ScaleMode = 2;
    s->XStartText = "0";
    s->XStopText = "10";
    s->YStartText = "1.0E-01";
    s->YStopText = "1.0E+02";
    s->XStart = 0;
    s->XStop = 10;
    s->YStart = 0.1;
    s->YStop = 100;
    s->PointCount = 3;
    for (int i = 1; i <= 3; ++i) {
        s->XData[i] = i;
        s->YData[i] = 2 * i;
        s->ResultX[i] = i;
        s->ResultY[i] = std::log(2.0 * i);
        s->Coef[i] = 0.25 * i;
    }
    s->SampleCount = 100;
    for (int j = 1; j <= 100; ++j) {
        s->CurveX[j] = 1 + 0.02 * j;
        s->CurveY[j] = 0.5;
    }
    s->GraphDrawn = 1;
    s->FilePath = "/earlier/run-Mi.csv";
    return s;
}

bool SameState(const Module1& a, const Module1& b) {
    return a.ScaleMode == b.ScaleMode && a.PointCount == b.PointCount && a.SampleCount == b.SampleCount &&
           a.XData == b.XData && a.YData == b.YData && a.ResultX == b.ResultX && a.ResultY == b.ResultY &&
           a.Coef == b.Coef && a.CurveX == b.CurveX && a.CurveY == b.CurveY && a.XStart == b.XStart &&
           a.XStop == b.XStop && a.YStart == b.YStart && a.YStop == b.YStop && a.XStartText == b.XStartText &&
           a.YStopText == b.YStopText && a.FilePath == b.FilePath && a.GraphDrawn == b.GraphDrawn;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using mirendo::fuzz::Near;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = std::make_unique<mirendo::ArchiveRead>(mirendo::ParseArchive(bytes));

    const auto baseline = Baseline();
    auto state = Baseline();
    if (!read->ok()) {
        FUZZ_CHECK(read->failure.has_value());
        // The browser applies only an accepted file; a refusal leaves the state as it was.
        FUZZ_CHECK(SameState(*state, *baseline));
        return 0;
    }
    const mirendo::SavedPlot& p = read->value;
    FUZZ_CHECK(p.scaleMode >= 1 && p.scaleMode <= 4);
    FUZZ_CHECK(p.pointCount >= 0 && p.pointCount <= Module1::kMaxPoints);
    FUZZ_CHECK(p.sampleCount >= 0 && p.sampleCount <= Module1::kMaxSamples);

    mirendo::LoadSavedPlot(p, "/picked/file-Mi.csv", *state);
    const Module1& d = *state;
    FUZZ_CHECK(d.ScaleMode == p.scaleMode && d.PointCount == p.pointCount && d.SampleCount == p.sampleCount &&
               std::equal(d.CurveX.begin() + 1, d.CurveX.end(), p.curveX.begin() + 1) && d.Coef == p.coef &&
               d.XStartText == p.settingTexts[0] && d.YStep == p.settings[5]);
    FUZZ_CHECK(d.XData == baseline->XData && d.GraphDrawn == baseline->GraphDrawn);
    FUZZ_CHECK(d.FilePath == "/picked/file-Mi.csv");
    const double single = std::numeric_limits<float>::max();
    for (int i = 0; i <= Module1::kMaxPoints; ++i) {
        FUZZ_CHECK(std::fabs(d.ResultX[i]) <= single && std::fabs(d.ResultY[i]) <= single);
        FUZZ_CHECK(std::isfinite(d.XPlotData[i]) && std::isfinite(d.YPlotData[i]));
    }
    for (int j = 0; j <= Module1::kMaxSamples; ++j)
        FUZZ_CHECK(std::fabs(d.CurveX[j]) <= single && std::fabs(d.CurveY[j]) <= single);
    for (double v : {d.XStart, d.XStop, d.XStep, d.YStart, d.YStop, d.YStep, d.CurveXMin, d.CurveXMax,
                     d.CurveYMin, d.CurveYMax})
        FUZZ_CHECK(std::isfinite(v));
    FUZZ_CHECK(d.XStart < d.XStop && d.YStart < d.YStop);
    const mirendo::AxisKinds axes = mirendo::AxesOfScaleMode(d.ScaleMode);
    if (axes.x == mirendo::AxisKind::Logarithmic)
        FUZZ_CHECK(d.XStart > 0 && mirendo::IsDecadeText(d.XStartText) && mirendo::IsDecadeText(d.XStopText));
    if (axes.y == mirendo::AxisKind::Logarithmic)
        FUZZ_CHECK(d.YStart > 0 && mirendo::IsDecadeText(d.YStartText) && mirendo::IsDecadeText(d.YStopText));
    if (d.SampleCount > 0)
        FUZZ_CHECK(d.CurveXMin <= d.CurveXMax && d.CurveYMin <= d.CurveYMax);

    // Evaluating the loaded polynomial reports a failure rather than showing a non-finite value.
    for (const char* x : {"0", "1", "-1e30", "1e30", "12345.678"}) {
        const mirendo::Evaluation e = mirendo::EvaluateAtX(*state, x);
        if (e.ok)
            FUZZ_CHECK(std::isfinite(e.y) && e.text.find("nan") == std::string::npos &&
                       e.text.find("inf") == std::string::npos);
        else
            FUZZ_CHECK(e.text.empty());
    }

    // Saving what was loaded and loading it again gives the same data.
    const mirendo::SettingTexts settings = {d.XStartText, d.XStopText, d.XStepText,
                                            d.YStartText, d.YStopText, d.YStepText};
    // The writer refuses a setting text that begins with a double quote (a spreadsheet would take
    // it for a quoted field); the reader keeps such a text as it stands. Only those are refused.
    bool writable = true;
    for (const std::string& text : settings)
        writable = writable && !mirendo::SettingTextProblem(text);
    const mirendo::ArchiveFormat written = mirendo::FormatArchive(*state, settings);
    FUZZ_CHECK(written.ok() == writable);
    if (!written.ok())
        return 0;
    const auto back = std::make_unique<mirendo::ArchiveRead>(mirendo::ParseArchive(written.value));
    FUZZ_CHECK(back->ok());
    auto again = Baseline();
    mirendo::LoadSavedPlot(back->value, "/picked/file-Mi.csv", *again);
    const Module1& b = *again;
    FUZZ_CHECK(b.ScaleMode == d.ScaleMode && b.PointCount == d.PointCount && b.SampleCount == d.SampleCount);
    FUZZ_CHECK(b.XStartText == d.XStartText && b.XStopText == d.XStopText && b.XStepText == d.XStepText &&
               b.YStartText == d.YStartText && b.YStopText == d.YStopText && b.YStepText == d.YStepText);
    for (int i = 1; i <= d.PointCount; ++i)
        FUZZ_CHECK(Near(b.ResultX[i], d.ResultX[i], 5.1e-6) && Near(b.ResultY[i], d.ResultY[i], 5.1e-6) &&
                   Near(b.Coef[i], d.Coef[i], 5.1e-7));
    for (int j = 1; j <= d.SampleCount; ++j)
        FUZZ_CHECK(Near(b.CurveX[j], d.CurveX[j], 5.1e-7) && Near(b.CurveY[j], d.CurveY[j], 5.1e-7));
    const mirendo::ArchiveFormat rewritten = mirendo::FormatArchive(*again, settings);
    FUZZ_CHECK(rewritten.ok() && rewritten.value == written.value);
    return 0;
}
