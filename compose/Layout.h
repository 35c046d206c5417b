// Where the compose window's child controls go, from the dialog base units and the client
// size. A pure function: the window calls it on creation, on every resize and after the
// toolbar is shown or hidden, and moves each control to its rectangle.
#pragma once

#include <array>

#include "compose/ControlTable.h"

namespace velmar {

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

struct LayoutInput {
    int baseX = 0;          // horizontal dialog base unit (pixels)
    int baseY = 0;          // vertical dialog base unit (pixels)
    int clientWidth = 0;
    int clientHeight = 0;
    int toolbarHeight = 0;  // height of the toolbar window when it is shown, else 0
    bool replyRow = false;  // reply start: rows 13 to 19 exist and push the fields down
};

using ControlLayout = std::array<ControlRect, kControlCount>;

// Every row's rectangle in client coordinates. Each product of a base unit is divided on
// its own with truncating integer division, so results match the window's pixels exactly.
// Without a reply row, rows 13 to 19 are left as empty rectangles. Widths and heights may
// come out negative in a very small window; they are passed on as they are.
[[nodiscard]] ControlLayout LayOutControls(const LayoutInput& in);

}  // namespace velmar
