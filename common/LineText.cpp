#include "common/LineText.h"

#include <algorithm>

namespace velmar {

bool RemoveCarriageReturns(std::string& text) {
    const auto end = std::remove(text.begin(), text.end(), '\r');
    const bool removed = end != text.end();
    text.erase(end, text.end());
    return removed;
}

bool TrimLineEnds(std::string& text) {
    const std::size_t keep = text.find_last_not_of("\r\n");
    const std::size_t newSize = keep == std::string::npos ? 0 : keep + 1;
    const bool removed = newSize != text.size();
    text.resize(newSize);
    return removed;
}

std::vector<FileLine> SplitFileLines(std::string_view bytes) {
    std::vector<FileLine> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back({bytes, {}});
            break;
        }
        const std::size_t length = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
        lines.push_back({bytes.substr(0, end), bytes.substr(end, length)});
        bytes.remove_prefix(end + length);
    }
    return lines;
}

}  // namespace velmar
