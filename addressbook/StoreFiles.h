// The text of the address book's files: alias files, the alias name index and distribution
// list files, as bytes on disk and as lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// Splits file bytes into lines as a text-mode read sees them: each line whole, however
// long, its CR LF or LF removed; a last line without a line end still counts; a 0x1A byte
// ends the text.
[[nodiscard]] std::vector<std::string> SplitTextLines(std::string_view bytes);

// The bytes of a text file of these lines: each followed by CR LF.
[[nodiscard]] std::string TextFileBytes(const std::vector<std::string>& lines);

// The alias name index after adding `name`: nothing (the index unchanged) when a line
// already equals it ignoring case, else the index's bytes with the name and CR LF
// appended (after a line end of its own when the last line had none).
[[nodiscard]] std::optional<std::string> NameIndexWith(std::string_view indexBytes, std::string_view name);

// The alias name index without `name`: every line not equal to it ignoring case, and
// whether a line was dropped. A line is compared whole, so a long line never passes for a
// shorter name.
struct NameIndexRewrite {
    std::string bytes;
    bool seen = false;
};
[[nodiscard]] NameIndexRewrite NameIndexWithout(std::string_view indexBytes, std::string_view name);

// `path` with its extension (from the last "." of the file name) replaced by `extension`,
// or with `extension` added when the file name has none.
[[nodiscard]] std::string SiblingPath(std::string_view path, std::string_view extension);

// A distribution list file as the contents box shows it: every line ended by CR LF.
[[nodiscard]] std::string ListFileToBoxText(std::string_view fileBytes);

}  // namespace velmar
