#include "compose/WindowPlacement.h"

#include <cstdint>

namespace velmar {

std::string PlacementText(int left, int top, int width, int height) {
    std::string text;
    for (int value : {left, top, width, height}) {
        if (!text.empty()) text += ',';
        text += std::to_string(static_cast<std::uint32_t>(value));
    }
    return text;
}

}  // namespace velmar
