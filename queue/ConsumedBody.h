// Which body files are handed over to be consumed: a temporary body file, made by this
// program or by the one that started it, is deleted once the message no longer needs it.
#pragma once

#include <string_view>

namespace velmar {

// Where a body file's path may carry the temporary-file mark ".tmp".
enum class TmpMark {
    AtEnd,     // the name ends in it: a file loaded into the window, a queued body
    Anywhere,  // anywhere in the path: a body file given to a batch start
};

// Whether the body file `path` is a temporary one the program deletes after use. The mark
// is compared without regard to case, as file names are: the system's temporary-file
// function names its files "….TMP".
[[nodiscard]] bool IsConsumedBody(std::string_view path, TmpMark where = TmpMark::AtEnd);

}  // namespace velmar
