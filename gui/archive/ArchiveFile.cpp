#include "archive/ArchiveFile.h"

namespace mirendo {

std::string SettingBoxName(int index) {
    static const char* const kNames[6] = {"X 軸 開始値", "X 軸 終了値", "X 軸 増分",
                                          "Y 軸 開始値", "Y 軸 終了値", "Y 軸 増分"};
    return (index >= 0 && index < 6) ? kNames[index] : "";
}

std::string_view TrimFieldBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace mirendo
