// The known addresses name completion searches, gathered once and searched many times: the
// display texts in their order and one lower-case copy of them all, so that a search is
// one pass over one buffer however many entries there are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class CompletionIndex {
public:
    // Adds a display text after the ones added before (a text never holds a line feed).
    void Add(std::string text);
    void Clear();
    // Every text that contains `typed` ignoring ASCII case, in the order added; none for an
    // empty `typed`.
    [[nodiscard]] std::vector<std::string> Matching(std::string_view typed) const;
    [[nodiscard]] std::size_t Size() const { return texts_.size(); }

private:
    std::vector<std::string> texts_;
    std::string folded_;               // the lower-case texts, each followed by a line feed
    std::vector<std::size_t> starts_;  // where each text starts in folded_
};

}  // namespace velmar
