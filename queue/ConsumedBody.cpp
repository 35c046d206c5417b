#include "queue/ConsumedBody.h"

#include "common/Text.h"

namespace velmar {

bool IsConsumedBody(std::string_view path, TmpMark where) {
    constexpr std::string_view mark = kTempFileMark;
    if (path.size() < mark.size()) return false;
    if (where == TmpMark::AtEnd) return EqualsNoCase(path.substr(path.size() - mark.size()), mark);
    for (std::size_t at = 0; at + mark.size() <= path.size(); ++at)
        if (EqualsNoCase(path.substr(at, mark.size()), mark)) return true;
    return false;
}

}  // namespace velmar
