#include "compose/WindowTexts.h"

namespace velmar {

std::string FilterList(std::string_view filterText) {
    std::string list(filterText);
    for (char& c : list)
        if (c == '|') c = '\0';
    const std::size_t end = list.find(std::string_view("\0\0", 2));
    if (end != std::string::npos) list.resize(end);
    list.append(2, '\0');
    return list;
}

}  // namespace velmar
