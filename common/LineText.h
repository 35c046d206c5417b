// Small in-place line-end helpers for texts read from files and edit controls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// Deletes every carriage return of `text`; true when one was removed.
bool RemoveCarriageReturns(std::string& text);

// Removes carriage returns and line feeds from the end of `text`; true when one was removed.
bool TrimLineEnds(std::string& text);

// One line of a text file: its text and the line end that closed it ("\r\n", "\n", "\r",
// or empty for a last line without one).
struct FileLine {
    std::string_view text;
    std::string_view end;
};

// Splits `bytes` into lines with CR LF, a lone LF and a lone CR all as line ends; a last
// line without a line end counts, and no bytes give no lines. Every byte lands in one
// line's text or end: joined again they give `bytes`.
[[nodiscard]] std::vector<FileLine> SplitFileLines(std::string_view bytes);

}  // namespace velmar
