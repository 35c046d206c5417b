#include "common/ResourceStrings_win.h"

#include <vector>

#include "common/Text.h"

namespace velmar {

std::string LoadResourceString(HINSTANCE instance, unsigned id, std::size_t maxChars, std::string_view fallback) {
    std::vector<char> buffer(maxChars + 1, '\0');
    const int n = LoadStringA(instance, id, buffer.data(), static_cast<int>(buffer.size()));
    if (n <= 0) return std::string(fallback);
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

std::string FormatWithText(std::string_view format, std::string_view argument, std::size_t maxChars) {
    const std::size_t at = format.find("%s");
    if (at == std::string_view::npos) return CutCopy(format, maxChars);
    std::string text(format.substr(0, at));
    text += argument;
    text += format.substr(at + 2);
    return CutCopy(text, maxChars);
}

}  // namespace velmar
