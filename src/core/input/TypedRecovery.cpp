#include "core/input/TypedRecovery.h"

#include "core/exchange/BoundedFile.h"
#include "core/state/Module1.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace mirendo {

namespace {

constexpr std::string_view kHeader = "Mirendo typed points 1";
constexpr std::string_view kLineEnd = "\r\n";
// Far above any file the windows write (six setting texts of some thousand characters).
constexpr std::size_t kLargestFile = 1 << 20;

bool Escaped(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '%';
}

std::string Escape(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (!Escaped(c)) {
            out += ch;
            continue;
        }
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", c);
        out += hex;
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Only the form Escape writes: every escaped byte as %XX with upper-case digits, nothing else.
std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c != '%') {
            if (Escaped(c))
                return std::nullopt;
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
        if (high < 0 || low < 0 || !Escaped(static_cast<unsigned char>(high * 16 + low)))
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string NumberText(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, error == std::errc() ? end : buffer);
}

// A whole field as one finite number.
std::optional<double> PointValue(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::string_view> After(std::string_view line, std::string_view key) {
    if (line.substr(0, key.size()) != key)
        return std::nullopt;
    return line.substr(key.size());
}

} // namespace

unsigned long long RecoveryChecksum(std::string_view bytes) {
    unsigned long long hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string FormatTypedWork(const TypedWork& work) {
    std::string body(kHeader);
    body += kLineEnd;
    body += "mode " + std::to_string(work.scaleMode);
    body += kLineEnd;
    for (const std::string& text : work.settings) {
        body += "setting " + Escape(text);
        body += kLineEnd;
    }
    for (const auto& [x, y] : work.points) {
        body += "point " + NumberText(x) + ' ' + NumberText(y);
        body += kLineEnd;
    }
    char check[32];
    std::snprintf(check, sizeof check, "check %016llx", RecoveryChecksum(body));
    return body + check + std::string(kLineEnd);
}

std::optional<TypedWork> ParseTypedWork(std::string_view bytes) {
    // The checksum line comes last and covers everything before it.
    if (bytes.size() < 2 || bytes.substr(bytes.size() - 2) != kLineEnd)
        return std::nullopt;
    const std::string_view content = bytes.substr(0, bytes.size() - 2);
    const std::size_t lastBreak = content.rfind(kLineEnd);
    if (lastBreak == std::string_view::npos)
        return std::nullopt;
    const std::string_view body = bytes.substr(0, lastBreak + 2);
    char check[32];
    std::snprintf(check, sizeof check, "check %016llx", RecoveryChecksum(body));
    if (content.substr(lastBreak + 2) != check)
        return std::nullopt;

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = body.find(kLineEnd, start);
        lines.push_back(body.substr(start, end - start));
        start = end + 2;
    }
    // Header, mode, six settings, then 1 to 10 points.
    const std::size_t fixed = 2 + std::tuple_size_v<SettingTexts>;
    if (lines.size() <= fixed || lines.size() > fixed + Module1::kMaxPoints || lines[0] != kHeader)
        return std::nullopt;
    TypedWork work;
    const auto mode = After(lines[1], "mode ");
    if (!mode || mode->size() != 1 || (*mode)[0] < '1' || (*mode)[0] > '4')
        return std::nullopt;
    work.scaleMode = (*mode)[0] - '0';
    for (std::size_t i = 0; i < work.settings.size(); ++i) {
        const auto field = After(lines[2 + i], "setting ");
        const auto text = field ? Unescape(*field) : std::nullopt;
        if (!text)
            return std::nullopt;
        work.settings[i] = *text;
    }
    for (std::size_t i = fixed; i < lines.size(); ++i) {
        const auto fields = After(lines[i], "point ");
        const std::size_t blank = fields ? fields->find(' ') : std::string_view::npos;
        if (blank == std::string_view::npos)
            return std::nullopt;
        const auto x = PointValue(fields->substr(0, blank)), y = PointValue(fields->substr(blank + 1));
        if (!x || !y)
            return std::nullopt;
        work.points.emplace_back(*x, *y);
    }
    return work;
}

RecoveryRead ReadRecoveryFile(const std::string& path) {
    const exchange::FileRead read = exchange::ReadBoundedFile(path, kLargestFile);
    if (read.error == exchange::FileReadError::Missing)
        return {};
    const std::optional<TypedWork> work = read.ok() ? ParseTypedWork(read.bytes) : std::nullopt;
    if (!work)
        return {RecoveryRead::Found::Damaged, {}};
    return {RecoveryRead::Found::Work, *work};
}

} // namespace mirendo
