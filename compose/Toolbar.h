// The compose window's toolbar: which button sits at which position, its image in the
// strip of bitmap 109, and the tip text each button shows.
#pragma once

#include <string_view>
#include <vector>

namespace velmar {

inline constexpr int kToolbarImageCount = 14;  // images in each strip (16, 24 or 32 pixels square)

struct ToolbarButton {
    int image;    // index into the strip; -1 for a separator
    int command;  // 0 for a separator
    [[nodiscard]] constexpr bool IsSeparator() const { return image < 0; }
    friend bool operator==(const ToolbarButton&, const ToolbarButton&) = default;
};

// The buttons in position order: 14 positions, or 16 when a user-defined program is set
// (its button and a separator then come before Undo). Every button is enabled.
[[nodiscard]] std::vector<ToolbarButton> ToolbarButtons(bool userProgramSet);

struct ToolbarTip {
    int command;
    int stringId;           // the string resource of the text
    std::string_view text;  // used when the string resource cannot be loaded
};

// The tip of a toolbar command, or null for a command without one.
[[nodiscard]] const ToolbarTip* FindToolbarTip(int command);

}  // namespace velmar
