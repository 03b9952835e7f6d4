#include "core/archive/ArchiveReader.h"

#include "core/exchange/BoundedFile.h"
#include "core/exchange/DecimalText.h"
#include "core/plot/AxisRules.h"
#include "core/state/CurveExtremes.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace mirendo {

namespace {

// Settings beyond this cannot be drawn. (Typed text never gives an infinity: it saturates.)
constexpr double kLargestSetting = kLargestLinearLimit;

// Fields separated by a comma or a line end (CR LF, CR or LF), with the line each starts on.
// Empty fields at the end of a line are no fields: a spreadsheet that saves the file again pads
// every line to its widest with commas ("1,," for " 1 "). A line of nothing but such padding is
// one empty field, as the empty line it was.
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
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',' && onlyPaddingFrom(m_pos))
            while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
                ++m_pos;
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
    // Whether the rest of the line from `pos` holds only commas and blanks.
    bool onlyPaddingFrom(std::size_t pos) const {
        for (; pos < m_bytes.size() && m_bytes[pos] != '\r' && m_bytes[pos] != '\n'; ++pos)
            if (m_bytes[pos] != ',' && m_bytes[pos] != ' ' && m_bytes[pos] != '\t')
                return false;
        return true;
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_fieldLine = 1;
};

using exchange::Cause;
using exchange::Failure;
using exchange::Subject;

class Reader {
  public:
    explicit Reader(std::string_view bytes) : m_fields(bytes) {}

    ArchiveRead& result() { return m_result; }

    // Records the first failure only. `field` is a setting box (0..5) for Subject::Setting.
    bool fail(Cause cause, Subject subject = Subject::None, int code = 0) {
        if (m_result.ok()) {
            Failure failure = Failure::Of(cause, code);
            failure.subject = subject;
            m_result.failure = failure;
        }
        return false;
    }
    bool failAtLine(Cause cause, Subject subject) {
        fail(cause, subject);
        m_result.failure->line = m_fields.fieldLine();
        return false;
    }
    bool failAtSetting(Cause cause, int box, std::string item = {}) {
        fail(cause, Subject::Setting);
        m_result.failure->field = box + 1;
        m_result.failure->item = std::move(item);
        return false;
    }

    bool text(std::string& out) {
        const auto field = m_fields.next();
        if (!field)
            return fail(Cause::EndedEarly);
        out = std::string(*field);
        return true;
    }

    bool number(double& out, Subject what) {
        const auto field = m_fields.next();
        if (!field)
            return fail(Cause::EndedEarly, what);
        const auto value = exchange::ParseDecimal(*field);
        if (!value)
            return failAtLine(Cause::NotANumber, what);
        // The engine computes in single precision and the graph draws in it: a larger value is
        // not from a calculation and could not be drawn.
        if (std::fabs(*value) > std::numeric_limits<float>::max())
            return failAtLine(Cause::OutOfRange, what);
        out = *value;
        return true;
    }

    bool count(int& out, Subject what) {
        double value = 0;
        if (!number(value, what))
            return false;
        if (value != std::floor(value))
            return failAtLine(Cause::NotAnInteger, what);
        // Far beyond every capacity; the range checks of the caller then refuse it.
        out = static_cast<int>(std::clamp(value, -1.0e6, 1.0e6));
        return true;
    }

  private:
    FieldStream m_fields;
    ArchiveRead m_result;
};

// A spreadsheet that saved the file again writes a decade limit "1.0E+02" as "100" or "0.01",
// and the graph would take the decade from the text's last three characters. A limit text without
// an exponent that is a whole power of ten names its decade by its value: it gets back the form
// the main window writes. Any other text is left for the axis check to judge.
void RestoreDecadeText(std::string& text) {
    if (text.find_first_of("Ee") != std::string::npos)
        return;
    const std::optional<double> value = exchange::ParseDecimal(text);
    if (!value || !(*value > 0))
        return;
    const long exponent = std::lround(std::log10(*value));
    if (exchange::ParseDecimal("1E" + std::to_string(exponent)) != value)
        return;
    const long digits = exponent < 0 ? -exponent : exponent;
    std::string decade = "1.0E";
    if (exponent != 0)
        decade += (exponent < 0 ? "-" : "+") + std::string(digits < 10 ? "0" : "") + std::to_string(digits);
    else
        decade += "00";
    if (IsDecadeText(decade))
        text = decade;
}

// The graph must be drawable from what was read.
bool CheckAxis(Reader& reader, std::size_t startBox, bool logarithmic, const SavedPlot& d) {
    const std::string& startText = d.settingTexts[startBox];
    const std::string& stopText = d.settingTexts[startBox + 1];
    const AxisCheck check =
        CheckDrawableAxis(logarithmic, d.settings[startBox], d.settings[startBox + 1], startText, stopText);
    const int box = int(startBox) + (check.atStop ? 1 : 0);
    switch (check.fault) {
    case AxisFault::None:
        return true;
    case AxisFault::EmptyRange:
        return reader.failAtSetting(Cause::EmptyAxisRange, box);
    case AxisFault::NonPositiveLogStart:
        return reader.failAtSetting(Cause::NonPositiveLogStart, box);
    case AxisFault::MalformedDecade:
        return reader.failAtSetting(Cause::MalformedDecade, box, check.atStop ? stopText : startText);
    }
    return true;
}

} // namespace

ArchiveRead ParseArchive(std::string_view bytes, DecadeForms decades) {
    // A spreadsheet that saved the file again may have put a UTF-8 byte-order mark in front.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    Reader r(bytes);
    SavedPlot& d = r.result().value;

    if (!r.count(d.scaleMode, Subject::ScaleMode))
        return r.result();
    if (d.scaleMode < 1 || d.scaleMode > 4) {
        r.fail(Cause::BadScaleMode, Subject::ScaleMode, d.scaleMode);
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
            r.failAtSetting(Cause::OutOfRange, i);
            return r.result();
        }
    }
    const bool plainDecades = decades == DecadeForms::WrittenOrPlainNumber;
    if (logX && plainDecades) {
        RestoreDecadeText(d.settingTexts[kXStartBox]);
        RestoreDecadeText(d.settingTexts[kXStopBox]);
    }
    if (logY && plainDecades) {
        RestoreDecadeText(d.settingTexts[kYStartBox]);
        RestoreDecadeText(d.settingTexts[kYStopBox]);
    }
    const auto& v = d.settings;
    if (!CheckAxis(r, kXStartBox, logX, d) || !CheckAxis(r, kYStartBox, logY, d))
        return r.result();

    if (!r.count(d.pointCount, Subject::PointCount))
        return r.result();
    if (d.pointCount < 0 || d.pointCount > Module1::kMaxPoints) {
        r.fail(Cause::TooManyPoints, Subject::PointCount, d.pointCount);
        return r.result();
    }
    // On a logarithmic axis the graph puts the axis start at 0.
    const double offsetX = logX ? std::log(v[kXStartBox]) : 0.0;
    const double offsetY = logY ? std::log(v[kYStartBox]) : 0.0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(d.pointCount); ++i) {
        if (!r.number(d.resultX[i], Subject::X) || !r.number(d.resultY[i], Subject::Y) ||
            !r.number(d.coef[i], Subject::Coefficient))
            return r.result();
        d.xPlot[i] = d.resultX[i] - offsetX;
        d.yPlot[i] = d.resultY[i] - offsetY;
    }

    if (!r.count(d.sampleCount, Subject::SampleCount))
        return r.result();
    if (d.sampleCount < 0 || d.sampleCount > Module1::kMaxSamples) {
        r.fail(Cause::TooManySamples, Subject::SampleCount, d.sampleCount);
        return r.result();
    }
    for (std::size_t j = 1; j <= static_cast<std::size_t>(d.sampleCount); ++j)
        if (!r.number(d.curveX[j], Subject::CurveX) || !r.number(d.curveY[j], Subject::CurveY))
            return r.result();
    return r.result();
}

ArchiveRead ReadArchiveFile(const std::string& path) {
    exchange::FileRead file = exchange::ReadBoundedFile(path, kMaxArchiveBytes);
    if (file.ok())
        return ParseArchive(file.bytes);
    ArchiveRead refused;
    refused.failure = Failure::OfFile(
        exchange::FileReadCause(file.error), path,
        file.error == exchange::FileReadError::TooLarge ? static_cast<int>(kMaxArchiveBytes) : file.code);
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
