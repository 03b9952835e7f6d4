#include "archive/ArchiveFile.h"

#include "exchange/BoundedFile.h"
#include "exchange/DecimalText.h"
#include "state/CurveExtremes.h"
#include "state/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace mirendo {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kFieldSeparator = ",  ";
// The graph hands coordinates to the canvas in single precision and scales by 1.1 times the
// span; settings beyond this cannot be drawn. (Typed text never gives an infinity: it saturates.)
constexpr double kLargestSetting = 1e37;

// A number alone on its line: one blank before (the sign's place) and one after.
std::string IntegerLine(int value) {
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    return text + " " + kLineEnd;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

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
        return Trim(field);
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

struct AxisCheck {
    const char* name; // "X" or "Y"
    int startBox;     // setting index of the start text; the stop text follows it
    bool logarithmic;
    double start, stop;
    const std::string& startText;
    const std::string& stopText;
};

// The graph must be drawable from what was read: a positive span, and on a logarithmic axis a
// positive start and limit texts whose last three characters are the decade exponent.
bool CheckAxis(Reader& reader, const AxisCheck& axis) {
    const std::string name = axis.name;
    if (!axis.logarithmic) {
        if (!(axis.start < axis.stop))
            return reader.fail(ArchiveError::EmptyRange, name + " 軸の開始値が終了値より小さくありません",
                               axis.startBox);
        return true;
    }
    if (!(axis.start > 0))
        return reader.fail(ArchiveError::NonPositiveLogStart, name + " 軸（対数）の開始値が正ではありません",
                           axis.startBox);
    const std::string* texts[2] = {&axis.startText, &axis.stopText};
    for (int k = 0; k < 2; ++k) {
        if (!IsDecadeText(*texts[k]))
            return reader.fail(ArchiveError::MalformedDecade,
                               name + " 軸（対数）の範囲 \"" + *texts[k] + "\" が 1.0E+02 の形ではありません",
                               axis.startBox + k);
    }
    if (!(LeadingNumber(axis.startText.substr(axis.startText.size() - 3)) <
          LeadingNumber(axis.stopText.substr(axis.stopText.size() - 3))))
        return reader.fail(ArchiveError::EmptyRange, name + " 軸の開始値が終了値より小さくありません",
                           axis.startBox);
    return true;
}

} // namespace

std::string SettingBoxName(int index) {
    static const char* const kNames[6] = {"X 軸 開始値", "X 軸 終了値", "X 軸 増分",
                                          "Y 軸 開始値", "Y 軸 終了値", "Y 軸 増分"};
    return (index >= 0 && index < 6) ? kNames[index] : "";
}

std::string SettingTextProblem(std::string_view text) {
    if (text.find(',') != std::string_view::npos)
        return "カンマ（,）を含んでいます";
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "改行を含んでいます";
    if (!Trim(text).empty() && Trim(text).front() == '"')
        return "二重引用符（\"）で始まっています";
    return "";
}

bool IsDecadeText(std::string_view text) {
    if (text.substr(0, 4) != "1.0E")
        return false;
    const std::string_view exponent = text.substr(4);
    const auto allDigits = [](std::string_view s) {
        for (char c : s)
            if (c < '0' || c > '9')
                return false;
        return !s.empty();
    };
    if (exponent == "00")
        return true;
    if (exponent.size() == 3 && (exponent[0] == '+' || exponent[0] == '-'))
        return allDigits(exponent.substr(1));
    // A negative three-digit exponent would read as positive from its last three characters.
    return exponent.size() == 4 && exponent[0] == '+' && allDigits(exponent.substr(1));
}

ArchiveFormat FormatArchive(const Module1& s, const SettingTexts& settings) {
    ArchiveFormat out;
    for (int i = 0; i < 6; ++i) {
        const std::string problem = SettingTextProblem(settings[i]);
        if (!problem.empty()) {
            out.badSetting = i;
            out.error = SettingBoxName(i) + " の設定が" + problem;
            return out;
        }
    }
    const int n = s.PointsInUse();
    const int m = s.SamplesInUse();
    const auto finite = [&](double v, const char* what, int index) {
        if (std::isfinite(v))
            return true;
        out.error = std::string(what) + "(" + std::to_string(index) + ") が有限の数ではありません";
        return false;
    };
    for (int i = 1; i <= n; ++i)
        if (!finite(s.ResultX[i], "ResultX", i) || !finite(s.ResultY[i], "ResultY", i) ||
            !finite(s.Coef[i], "Coef", i))
            return out;
    for (int j = 1; j <= m; ++j)
        if (!finite(s.CurveX[j], "CurveX", j) || !finite(s.CurveY[j], "CurveY", j))
            return out;

    std::string& b = out.bytes;
    b.reserve(64 + 48 * n + 32 * m);
    b += IntegerLine(s.ScaleMode);
    for (const std::string& text : settings)
        b += text + kLineEnd;
    b += IntegerLine(n);
    for (int i = 1; i <= n; ++i)
        b += FormatExponential(s.ResultX[i], 5) + kFieldSeparator + FormatExponential(s.ResultY[i], 5) +
             kFieldSeparator + FormatExponential(s.Coef[i], 6) + kLineEnd;
    b += IntegerLine(m);
    for (int j = 1; j <= m; ++j)
        b += FormatExponential(s.CurveX[j], 6) + kFieldSeparator + FormatExponential(s.CurveY[j], 6) +
             kLineEnd;
    out.ok = true;
    return out;
}

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
    const auto& t = d.settingTexts;
    const auto& v = d.settings;
    if (!CheckAxis(r,
                   {"X", int(kXStartBox), logX, v[kXStartBox], v[kXStopBox], t[kXStartBox], t[kXStopBox]}) ||
        !CheckAxis(r, {"Y", int(kYStartBox), logY, v[kYStartBox], v[kYStopBox], t[kYStartBox], t[kYStopBox]}))
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

ArchiveFormat FormatArchiveForSave(const Module1& state, const SettingTexts& settings) {
    ArchiveFormat out = FormatArchive(state, settings);
    if (!out.ok)
        return out;
    const ArchiveRead reopened = ParseArchive(out.bytes);
    if (reopened.ok())
        return out;
    out.ok = false;
    out.bytes.clear();
    out.badSetting = reopened.setting;
    out.error = reopened.setting < 0 ? reopened.detail
                                     : SettingBoxName(reopened.setting) + " の設定「" +
                                           settings[static_cast<std::size_t>(reopened.setting)] +
                                           "」では開けないファイルになります（" + reopened.detail + "）";
    return out;
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
    const auto texts = s.SettingTextFields();
    const auto values = s.SettingValueFields();
    for (std::size_t i = 0; i < 6; ++i) {
        *texts[i] = d.settingTexts[i];
        *values[i] = d.settings[i];
    }
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
