#include "core/chart/ChartFiles.h"

#include "core/text/NumberText.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace mirendo::chart {

namespace {

constexpr std::string_view kHeading = "Mirendo chart 1";
constexpr std::string_view kNames[kReferenceCount] = {"X1", "X2", "Y1", "Y2"};

// The shortest text that reads back to the same double, independent of the locale.
std::string ExactText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string_view ScaleName(AxisScale scale) {
    return scale == AxisScale::Log ? "log" : "linear";
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

enum class NumberRead { Empty, Number, NotNumber };

NumberRead ReadNumber(std::string_view field, double& value) {
    if (field.empty())
        return NumberRead::Empty;
    const char* end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    return result.ec == std::errc() && result.ptr == end ? NumberRead::Number : NumberRead::NotNumber;
}

} // namespace

std::string SideFilePath(const std::string& picturePath) {
    return picturePath + std::string(kSideFileSuffix);
}

std::string SerializeChart(const ChartDocument& document) {
    std::string text(kHeading);
    text += "\r\nscale,";
    text += ScaleName(document.scale(ChartAxis::X));
    text += ',';
    text += ScaleName(document.scale(ChartAxis::Y));
    text += "\r\n";
    for (Reference r : kReferences) {
        const ChartDocument::ReferenceState& state = document.reference(r);
        text += kNames[static_cast<int>(r)];
        text += ',';
        if (state.pixel)
            text += ExactText(state.pixel->x) + ',' + ExactText(state.pixel->y) + ',';
        else
            text += ",,";
        if (state.value)
            text += ExactText(*state.value);
        text += "\r\n";
    }
    for (PixelPoint p : document.points())
        text += "point," + ExactText(p.x) + ',' + ExactText(p.y) + "\r\n";
    return text;
}

SideFileRead ParseChart(std::string_view text) {
    SideFileRead read;
    auto refuse = [&read](SideFileProblem problem, int line) {
        read.refusal = SideFileRefusal{problem, line};
        return read;
    };
    if (text.size() > kMaxSideFileBytes)
        return refuse(SideFileProblem::TooLarge, 0);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    ChartDocument document;
    bool scaleSeen = false, referenceSeen[kReferenceCount] = {};
    int points = 0;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos)
            text = {};
        else
            text.remove_prefix(end + (text.substr(end).starts_with("\r\n") ? 2 : 1));
        ++number;
        if (number == 1) {
            if (line != kHeading)
                return refuse(SideFileProblem::NotSideFile, 1);
            continue;
        }
        if (line.empty())
            continue;
        const std::vector<std::string_view> f = Fields(line);
        if (f[0] == "scale") {
            if (f.size() != 3)
                return refuse(SideFileProblem::BadRecord, number);
            if (scaleSeen)
                return refuse(SideFileProblem::Repeated, number);
            scaleSeen = true;
            for (int axis = 0; axis < 2; ++axis) {
                const std::string_view name = f[axis + 1];
                if (name != "linear" && name != "log")
                    return refuse(SideFileProblem::BadRecord, number);
                document.setScale(axis == 0 ? ChartAxis::X : ChartAxis::Y,
                                  name == "log" ? AxisScale::Log : AxisScale::Linear);
            }
            continue;
        }
        if (f[0] == "point") {
            double x = 0, y = 0;
            if (f.size() != 3 || ReadNumber(f[1], x) != NumberRead::Number ||
                ReadNumber(f[2], y) != NumberRead::Number)
                return refuse(SideFileProblem::BadRecord, number);
            if (!(std::abs(x) <= kMaxSidePixel) || !(std::abs(y) <= kMaxSidePixel))
                return refuse(SideFileProblem::OutOfRange, number);
            if (++points > ChartDocument::kMaxPoints)
                return refuse(SideFileProblem::TooManyPoints, number);
            document.placePoint({x, y});
            continue;
        }
        int index = -1;
        for (int i = 0; i < kReferenceCount; ++i)
            if (f[0] == kNames[i])
                index = i;
        if (index < 0 || f.size() != 4)
            return refuse(SideFileProblem::BadRecord, number);
        if (referenceSeen[index])
            return refuse(SideFileProblem::Repeated, number);
        referenceSeen[index] = true;
        double x = 0, y = 0, value = 0;
        const NumberRead rx = ReadNumber(f[1], x), ry = ReadNumber(f[2], y), rv = ReadNumber(f[3], value);
        if (rx == NumberRead::NotNumber || ry == NumberRead::NotNumber || rv == NumberRead::NotNumber ||
            (rx == NumberRead::Empty) != (ry == NumberRead::Empty))
            return refuse(SideFileProblem::BadRecord, number);
        const Reference reference = kReferences[index];
        if (rx == NumberRead::Number) {
            if (!(std::abs(x) <= kMaxSidePixel) || !(std::abs(y) <= kMaxSidePixel))
                return refuse(SideFileProblem::OutOfRange, number);
            document.placeReference(reference, {x, y});
        }
        if (rv == NumberRead::Number) {
            if (!std::isfinite(value))
                return refuse(SideFileProblem::OutOfRange, number);
            document.setReferenceValue(reference, value);
        }
    }
    if (number == 0)
        return refuse(SideFileProblem::NotSideFile, 1);
    document.clearHistory();
    read.document = std::move(document);
    return read;
}

std::string PointFileText(const std::vector<DataPoint>& points) {
    std::string text = "X,Y\r\n";
    for (const DataPoint& p : points)
        text += GeneralText(p.x) + ',' + GeneralText(p.y) + "\r\n";
    return text;
}

} // namespace mirendo::chart
