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

}  // namespace velmar
