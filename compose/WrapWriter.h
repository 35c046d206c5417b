// The bytes of the body file a window send writes: the body text as typed, with long lines
// wrapped when auto-wrap is on, and a final CR LF.
#pragma once

#include <string>
#include <string_view>

namespace velmar {

// Lines up to this many bytes (line end included) are written unchanged.
inline constexpr std::size_t kLongestUnwrappedLine = 74;

// `text` as the body file holds it. With `wrap`, a line longer than 74 bytes is cut at its
// last blank or tab at or before column `sendWrap` (column 0 not counted), or at `sendWrap`
// when it has none; a CR LF ends the cut piece and the blanks and tabs after the cut are
// dropped, as is the rest of the line's own line end when nothing else is left of it. The
// search never looks past the end of the line. Every other byte is kept. With `utf8` the
// text is UTF-8 and columns count characters (UTF-16 units), never cutting one apart.
[[nodiscard]] std::string WrapBodyText(std::string_view text, bool wrap, std::size_t sendWrap, bool utf8 = false);

}  // namespace velmar
