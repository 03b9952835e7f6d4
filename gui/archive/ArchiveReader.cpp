#include "archive/ArchiveReader.h"

#include "exchange/BoundedFile.h"
#include "exchange/DecimalText.h"
#include "plot/AxisRules.h"
#include "state/CurveExtremes.h"
#include "state/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace mirendo {

namespace {

// The graph hands coordinates to the canvas in single precision and scales by 1.1 times the
// span; settings beyond this cannot be drawn. (Typed text never gives an infinity: it saturates.)
constexpr double kLargestSetting = 1e37;

// Fields separated by a comma or a line end (CR LF, CR or LF), with the line each starts on.
class FieldStream {
  public:
    explicit FieldStream(std::string_view bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    std::optional<std::string_view> next() {
        if (atEnd())
            return std::nullopt;
        m_fieldLine = m_line;
        const std::size_t start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' &&
               m_bytes[m_pos] != '\n')
            ++m_pos;
        const std::string_view field = m_bytes.substr(start, m_pos - start);
        if (m_pos < m_bytes.size()) {
            const char separator = m_bytes[m_pos++];
            if (separator == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
                ++m_pos;
            if (separator != ',')
                ++m_line;
        }
        return TrimFieldBlanks(field);
    }
    int fieldLine() const { return m_fieldLine; }

  private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_fieldLine = 1;
};

class Reader {
  public:
    explicit Reader(std::string_view bytes) : m_fields(bytes) {}

    ArchiveRead& result() { return m_result; }

    bool fail(ArchiveError error, std::string detail, int setting = -1) {
        if (m_result.error == ArchiveError::None) {
            m_result.error = error;
            m_result.detail = std::move(detail);
            m_result.setting = setting;
        }
        return false;
    }

    bool text(std::string& out) {
        const auto field = m_fields.next();
        if (!field)
            return fail(ArchiveError::EndedEarly, "ファイルが途中で終わっています");
        out = std::string(*field);
        return true;
    }

    bool number(double& out, const char* what) {
        const auto field = m_fields.next();
        if (!field)
            return fail(ArchiveError::EndedEarly,
                        std::string("ファイルが途中で終わっています（") + what + "）");
        const auto value = exchange::ParseDecimal(*field);
        if (!value)
            return fail(ArchiveError::NotANumber,
                        std::to_string(m_fields.fieldLine()) + " 行目の " + what + " が数値ではありません");
        // The engine computes in single precision and the graph draws in it: a larger value is
        // not from a calculation and could not be drawn.
        if (std::fabs(*value) > std::numeric_limits<float>::max())
            return fail(ArchiveError::ValueOutOfRange,
                        std::to_string(m_fields.fieldLine()) + " 行目の " + what + " が大きすぎます");
        out = *value;
        return true;
    }

    bool count(int& out, const char* what) {
        double value = 0;
        if (!number(value, what))
            return false;
        if (value != std::floor(value))
            return fail(ArchiveError::NotANumber,
                        std::to_string(m_fields.fieldLine()) + " 行目の " + what + " が整数ではありません");
        // Far beyond every capacity; the range checks of the caller then refuse it.
        out = static_cast<int>(std::clamp(value, -1.0e6, 1.0e6));
        return true;
    }

  private:
    FieldStream m_fields;
    ArchiveRead m_result;
};

// The graph must be drawable from what was read.
bool CheckAxis(Reader& reader, const std::string& name, std::size_t startBox, bool logarithmic,
               const SavedPlot& d) {
    const std::string& startText = d.settingTexts[startBox];
    const std::string& stopText = d.settingTexts[startBox + 1];
    const AxisCheck check =
        CheckDrawableAxis(logarithmic, d.settings[startBox], d.settings[startBox + 1], startText, stopText);
    const int box = int(startBox) + (check.atStop ? 1 : 0);
    switch (check.fault) {
    case AxisFault::None:
        return true;
    case AxisFault::EmptyRange:
        return reader.fail(ArchiveError::EmptyRange, name + " 軸の開始値が終了値より小さくありません", box);
    case AxisFault::NonPositiveLogStart:
        return reader.fail(ArchiveError::NonPositiveLogStart, name + " 軸（対数）の開始値が正ではありません",
                           box);
    case AxisFault::MalformedDecade:
        return reader.fail(ArchiveError::MalformedDecade,
                           name + " 軸（対数）の範囲 \"" + (check.atStop ? stopText : startText) +
                               "\" が 1.0E+02 の形ではありません",
                           box);
    }
    return true;
}

} // namespace

ArchiveRead ParseArchive(std::string_view bytes) {
    // A spreadsheet that saved the file again may have put a UTF-8 byte-order mark in front.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    Reader r(bytes);
    SavedPlot& d = r.result().plot;

    if (!r.count(d.scaleMode, "スケールモード"))
        return r.result();
    if (d.scaleMode < 1 || d.scaleMode > 4) {
        r.fail(ArchiveError::BadScaleMode, "スケールモードが 1〜4 ではありません");
        return r.result();
    }

    const AxisKinds axes = AxesOfScaleMode(d.scaleMode);
    const bool logX = axes.x == AxisKind::Logarithmic;
    const bool logY = axes.y == AxisKind::Logarithmic;
    for (int i = 0; i < 6; ++i) {
        std::string& text = d.settingTexts[static_cast<std::size_t>(i)];
        double& value = d.settings[static_cast<std::size_t>(i)];
        if (!r.text(text))
            return r.result();
        value = LeadingNumber(text);
        // A logarithmic axis is drawn from its decade texts; only linear values reach the canvas.
        const bool linear = !(i < 3 ? logX : logY);
        if (linear && !(std::fabs(value) <= kLargestSetting)) {
            r.fail(ArchiveError::SettingOutOfRange, SettingBoxName(i) + " の値が大きすぎます", i);
            return r.result();
        }
    }
    const auto& v = d.settings;
    if (!CheckAxis(r, "X", kXStartBox, logX, d) || !CheckAxis(r, "Y", kYStartBox, logY, d))
        return r.result();

    if (!r.count(d.pointCount, "データ点の数"))
        return r.result();
    if (d.pointCount < 0 || d.pointCount > Module1::kMaxPoints) {
        r.fail(ArchiveError::BadPointCount,
               "データ点の数 " + std::to_string(d.pointCount) + " が 0〜10 の範囲外です");
        return r.result();
    }
    // On a logarithmic axis the graph puts the axis start at 0.
    const double offsetX = logX ? std::log(v[kXStartBox]) : 0.0;
    const double offsetY = logY ? std::log(v[kYStartBox]) : 0.0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(d.pointCount); ++i) {
        if (!r.number(d.resultX[i], "X") || !r.number(d.resultY[i], "Y") || !r.number(d.coef[i], "係数"))
            return r.result();
        d.xPlot[i] = d.resultX[i] - offsetX;
        d.yPlot[i] = d.resultY[i] - offsetY;
    }

    if (!r.count(d.sampleCount, "補間点の数"))
        return r.result();
    if (d.sampleCount < 0 || d.sampleCount > Module1::kMaxSamples) {
        r.fail(ArchiveError::BadSampleCount,
               "補間点の数 " + std::to_string(d.sampleCount) + " が 0〜600 の範囲外です");
        return r.result();
    }
    for (std::size_t j = 1; j <= static_cast<std::size_t>(d.sampleCount); ++j)
        if (!r.number(d.curveX[j], "X") || !r.number(d.curveY[j], "Y"))
            return r.result();
    return r.result();
}

ArchiveRead ReadArchiveFile(const std::string& path) {
    exchange::FileRead file = exchange::ReadBoundedFile(path, kMaxArchiveBytes);
    if (file.ok())
        return ParseArchive(file.bytes);
    ArchiveRead refused;
    switch (file.error) {
    case exchange::FileReadError::TooLarge:
        refused.error = ArchiveError::TooLarge;
        refused.detail = "ファイルが大きすぎます（1 MiB を超えています）";
        break;
    case exchange::FileReadError::ReadFailed:
        refused.error = ArchiveError::CannotOpen;
        refused.detail = "ファイルを読めません: " + path;
        break;
    case exchange::FileReadError::None:
    case exchange::FileReadError::Missing:
    case exchange::FileReadError::CannotOpen:
    case exchange::FileReadError::NotRegular:
        refused.error = ArchiveError::CannotOpen;
        refused.detail = "ファイルを開けません: " + path;
        break;
    }
    return refused;
}

void LoadSavedPlot(const SavedPlot& d, const std::string& path, Module1& s) {
    s.FilePath = path;
    s.ScaleMode = d.scaleMode;
    s.StoreSettingTexts(d.settingTexts);
    s.StoreSettingValues(d.settings);
    s.PointCount = d.pointCount;
    s.ResultX = d.resultX;
    s.ResultY = d.resultY;
    s.Coef = d.coef;
    s.XPlotData = d.xPlot;
    s.YPlotData = d.yPlot;
    s.SampleCount = d.sampleCount;
    s.CurveX = d.curveX;
    s.CurveY = d.curveY;
    // The curve starts at the first point; the extremes cover the loaded samples only.
    s.CurveX[0] = d.xPlot[1];
    s.CurveY[0] = d.yPlot[1];
    ComputeCurveExtremes(s);
}

} // namespace mirendo
