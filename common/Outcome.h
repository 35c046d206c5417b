// The result of a step that can fail in a way the user must be told about: whether it
// succeeded and, when it did not, the text to show.
#pragma once

#include <string>
#include <utility>

namespace velmar {

struct [[nodiscard]] Outcome {
    bool ok = true;
    std::string failure;  // empty on success

    static Outcome Success() { return {}; }
    static Outcome Failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace velmar
