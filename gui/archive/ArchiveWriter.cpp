#include "archive/ArchiveWriter.h"

#include "archive/ArchiveReader.h"
#include "state/NumberText.h"

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

std::string SettingTextProblem(std::string_view text) {
    if (text.find(',') != std::string_view::npos)
        return "カンマ（,）を含んでいます";
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "改行を含んでいます";
    if (!TrimFieldBlanks(text).empty() && TrimFieldBlanks(text).front() == '"')
        return "二重引用符（\"）で始まっています";
    return "";
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

} // namespace mirendo
