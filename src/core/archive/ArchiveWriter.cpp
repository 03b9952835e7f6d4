#include "core/archive/ArchiveWriter.h"

#include "core/archive/ArchiveReader.h"
#include "core/text/NumberText.h"

#include <cmath>

namespace mirendo {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kFieldSeparator = ",  ";

// A number alone on its line: one blank before (the sign's place) and one after.
std::string IntegerLine(int value) {
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    return text + " " + kLineEnd;
}

} // namespace

std::optional<exchange::Cause> SettingTextProblem(std::string_view text) {
    if (text.find(',') != std::string_view::npos)
        return exchange::Cause::SettingHasComma;
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return exchange::Cause::SettingHasLineBreak;
    if (!TrimFieldBlanks(text).empty() && TrimFieldBlanks(text).front() == '"')
        return exchange::Cause::SettingStartsQuoted;
    return std::nullopt;
}

ArchiveFormat FormatArchive(const Module1& s, const SettingTexts& settings) {
    using exchange::Subject;
    ArchiveFormat out;
    for (int i = 0; i < 6; ++i) {
        if (const auto problem = SettingTextProblem(settings[static_cast<std::size_t>(i)])) {
            out.failure = exchange::Failure::Of(*problem);
            out.failure->subject = Subject::Setting;
            out.failure->field = i + 1;
            return out;
        }
    }
    const int n = s.PointsInUse();
    const int m = s.SamplesInUse();
    const auto finite = [&](double v, Subject what, int index) {
        if (std::isfinite(v))
            return true;
        out.failure = exchange::Failure::Of(exchange::Cause::ValueNotFinite);
        out.failure->subject = what;
        out.failure->point = index;
        return false;
    };
    for (int i = 1; i <= n; ++i)
        if (!finite(s.ResultX[i], Subject::X, i) || !finite(s.ResultY[i], Subject::Y, i) ||
            !finite(s.Coef[i], Subject::Coefficient, i))
            return out;
    for (int j = 1; j <= m; ++j)
        if (!finite(s.CurveX[j], Subject::CurveX, j) || !finite(s.CurveY[j], Subject::CurveY, j))
            return out;

    std::string& b = out.value;
    b.reserve(64 + 48 * n + 32 * m);
    b += IntegerLine(s.ScaleMode);
    for (const std::string& text : settings)
        b += text + kLineEnd;
    b += IntegerLine(n);
    for (int i = 1; i <= n; ++i)
        b += FormatExponential(s.ResultX[i], kArchivePointDecimals) + kFieldSeparator +
             FormatExponential(s.ResultY[i], kArchivePointDecimals) + kFieldSeparator +
             FormatExponential(s.Coef[i], 6) + kLineEnd;
    b += IntegerLine(m);
    for (int j = 1; j <= m; ++j)
        b += FormatExponential(s.CurveX[j], 6) + kFieldSeparator + FormatExponential(s.CurveY[j], 6) +
             kLineEnd;
    return out;
}

ArchiveFormat FormatArchiveForSave(const Module1& state, const SettingTexts& settings) {
    ArchiveFormat out = FormatArchive(state, settings);
    if (!out.ok())
        return out;
    const ArchiveRead reopened = ParseArchive(out.value, DecadeForms::WrittenOnly);
    if (reopened.ok())
        return out;
    out.value.clear();
    out.failure = reopened.failure;
    return out;
}

} // namespace mirendo
