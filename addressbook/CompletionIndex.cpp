#include "addressbook/CompletionIndex.h"

#include <algorithm>

#include "common/Text.h"

namespace velmar {

void CompletionIndex::Add(std::string text) {
    starts_.push_back(folded_.size());
    for (char c : text) folded_ += c == '\n' ? ' ' : AsciiLower(c);
    folded_ += '\n';
    texts_.push_back(std::move(text));
}

void CompletionIndex::Clear() {
    texts_.clear();
    folded_.clear();
    starts_.clear();
}

std::vector<std::string> CompletionIndex::Matching(std::string_view typed) const {
    std::vector<std::string> found;
    if (typed.empty() || typed.find('\n') != std::string_view::npos) return found;
    std::string pattern(typed);
    for (char& c : pattern) c = AsciiLower(c);
    for (std::size_t at = folded_.find(pattern); at != std::string::npos;) {
        const auto next = std::upper_bound(starts_.begin(), starts_.end(), at);
        found.push_back(texts_[static_cast<std::size_t>(next - starts_.begin()) - 1]);
        if (next == starts_.end()) break;
        at = folded_.find(pattern, *next);
    }
    return found;
}

}  // namespace velmar
