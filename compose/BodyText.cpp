#include "compose/BodyText.h"

#include <algorithm>

#include "common/Text.h"

namespace velmar {

IncludePlan PlanInclude(std::uint64_t fileSize) {
    if (fileSize > kIncludeLimit) return {kIncludeLimit, true};
    return {static_cast<std::size_t>(fileSize), false};
}

std::string TextForEditControl(std::string_view bytes) {
    while (!bytes.empty() && bytes.back() == '\x1a') bytes.remove_suffix(1);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            text += "\r\n";
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            text += "\r\n";
        } else if (c == '\0') {
            text += ' ';
        } else {
            text += c;
        }
    }
    return text;
}

std::string BodyFileText(std::string text) {
    std::replace(text.begin(), text.end(), '\x1a', ' ');
    return text;
}

}  // namespace velmar
