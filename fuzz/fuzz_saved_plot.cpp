// The browser's redraw of an archive that the reader accepted: the plot hands the canvas only
// finite coordinates, draws a bounded number of lines, and the limit labels and the cursor readout
// show finite values wherever the mouse is; the same file padded as a spreadsheet saves it reads
// as the same plot.
#include "FuzzCheck.h"
#include "core/archive/ArchiveReader.h"
#include "core/plot/GraphCanvas.h"
#include "core/plot/Plot.h"
#include "core/plot/Readout.h"
#include "core/state/Module1.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

namespace {

bool Shown(const std::string& text) {
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos &&
           text.find("NaN") == std::string::npos && text.find("Inf") == std::string::npos;
}

// Counts the drawing calls and checks every coordinate as it arrives.
class CheckingCanvas : public mirendo::GraphCanvas {
  public:
    void setScale(float left, float top, float width, float height) override {
        FUZZ_CHECK(std::isfinite(left) && std::isfinite(top) && std::isfinite(width) &&
                   std::isfinite(height));
        // A span below single precision (a hand-edited 0 .. 6E-76) collapses to 0 here; the
        // picture is then empty but nothing fails, so that is not checked.
        m_left = left;
        m_width = width;
        ++calls;
    }
    void clear() override {}
    void setLineWidth(int pixels) override { FUZZ_CHECK(pixels >= 1 && pixels <= 10); }
    void line(float x1, float y1, float x2, float y2, mirendo::Rgb) override { point(x1, y1), point(x2, y2); }
    void lineTo(float x, float y, mirendo::Rgb) override { point(x, y); }
    void frameRect(float x1, float y1, float x2, float y2) override { point(x1, y1), point(x2, y2); }
    void dot(float x, float y, mirendo::Rgb) override { point(x, y); }
    int pixelWidth() const override { return 609; }
    int pixelHeight() const override { return 545; }

    float m_left = 0, m_width = 1;
    long calls = 0;

  private:
    void point(float x, float y) {
        FUZZ_CHECK(std::isfinite(x) && std::isfinite(y));
        ++calls;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = std::make_unique<mirendo::ArchiveRead>(mirendo::ParseArchive(bytes));
    if (!read->ok())
        return 0;
    // Saved again by a spreadsheet, every line padded with empty fields: the same plot.
    std::string padded;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool crlf = bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r';
        if ((bytes[i] == '\r' || bytes[i] == '\n') && !crlf)
            padded += ",, ,";
        padded += bytes[i];
    }
    const auto again = std::make_unique<mirendo::ArchiveRead>(mirendo::ParseArchive(padded + ",,"));
    FUZZ_CHECK(again->ok());
    const mirendo::SavedPlot &a = read->value, &b = again->value;
    FUZZ_CHECK(a.scaleMode == b.scaleMode && a.settingTexts == b.settingTexts &&
               a.pointCount == b.pointCount && a.resultX == b.resultX && a.resultY == b.resultY &&
               a.coef == b.coef && a.sampleCount == b.sampleCount && a.curveX == b.curveX &&
               a.curveY == b.curveY);
    auto state = std::make_unique<mirendo::Module1>();
    mirendo::LoadSavedPlot(read->value, "/picked/file-Mi.csv", *state);

    CheckingCanvas canvas;
    const mirendo::RangeLabels labels = mirendo::PlotSavedForMode(*state, canvas);
    for (const std::string* text : {&labels.xStart, &labels.xStop, &labels.yStart, &labels.yStop})
        FUZZ_CHECK(Shown(*text));
    // Grid lines are bounded by the picture's pixels; the curve has at most 600 samples.
    FUZZ_CHECK(canvas.calls < 20000);
    // The browser's "draw the points" button.
    mirendo::PlotSavedPoints(*state, canvas);

    const mirendo::DrawnCurve curve = mirendo::DrawnCurveOf(*state);
    for (int k = 0; k <= 16; ++k) {
        const float mouseX = canvas.m_left + canvas.m_width * static_cast<float>(k) / 16.0f;
        const mirendo::Readout r = mirendo::ComputeReadout(curve, mouseX);
        if (r.action == mirendo::Readout::Action::Show) {
            FUZZ_CHECK(std::isfinite(r.verticalX) && std::isfinite(r.horizontalY));
            // A log-space value beyond ln(largest double) shows "Infinity" until the readout
            // saturates it (reported; a skipped regression test waits for the fix).
            const mirendo::AxisKinds axes = mirendo::AxesOfScaleMode(state->ScaleMode);
            const bool overshoot =
                (axes.x == mirendo::AxisKind::Logarithmic && state->CurveX[r.sample] > 709.78) ||
                (axes.y == mirendo::AxisKind::Logarithmic && state->CurveY[r.sample] > 709.78);
            if (!overshoot)
                FUZZ_CHECK(Shown(r.xText) && Shown(r.yText));
            FUZZ_CHECK(r.sample >= 1 && r.sample <= state->SamplesInUse());
        }
    }
    return 0;
}
