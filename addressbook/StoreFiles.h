// The text of the address book's files: alias files, the alias name index and distribution
// list files, as bytes on disk and as lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// Splits file bytes into lines: each line whole, however long, its CR LF, LF or lone CR
// removed; a last line without a line end still counts; a 0x1A byte ends the text.
[[nodiscard]] std::vector<std::string> SplitTextLines(std::string_view bytes);

// The alias file `old` rewritten to hold the display texts `entries` (one store's entries,
// in list order). Every line whose display text (AliasLineDisplay) is still among the
// entries stays byte for byte with its own line end, and so does every line that shows no
// entry and everything from a 0x1A on; the lines of entries removed or changed go; the
// entries the file does not hold yet follow the kept lines, each with CR LF, before the
// 0x1A.
[[nodiscard]] std::string AliasFileWith(std::string_view old, const std::vector<std::string>& entries);

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
