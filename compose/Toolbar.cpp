#include "compose/Toolbar.h"

#include <algorithm>
#include <array>

#include "resources/resource.h"

namespace velmar {

namespace {

constexpr ToolbarButton kSeparator{-1, 0};

constexpr std::array kTips = {
    ToolbarTip{IDM_LOAD, IDS_TIP_LOAD, "Load body from file"},
    ToolbarTip{IDM_SAVE_AS, IDS_TIP_SAVE, "Save body to file"},
    ToolbarTip{IDM_CUT, IDS_TIP_CUT, "Cut to clipboard"},
    ToolbarTip{IDM_COPY, IDS_TIP_COPY, "Copy to clipboard"},
    ToolbarTip{IDM_PASTE, IDS_TIP_PASTE, "Paste from clipboard"},
    ToolbarTip{IDM_PASTE_FILE, IDS_TIP_PASTE_FILE, "Paste from file"},
    ToolbarTip{IDM_UNDO, IDS_TIP_UNDO, "Undo"},
    ToolbarTip{IDM_REDO, IDS_TIP_REDO, "Redo"},
    ToolbarTip{IDC_SEND, IDS_TIP_SEND, "Send Message"},
    ToolbarTip{IDM_HELP_CREATING, IDS_TIP_HELP, "Display Help"},
    ToolbarTip{IDM_APPLY_SPECIAL, IDS_TIP_APPLY_SPECIAL, "Apply user defined program"},
};

}  // namespace

std::vector<ToolbarButton> ToolbarButtons(bool userProgramSet) {
    std::vector<ToolbarButton> buttons = {
        {1, IDM_LOAD},  {2, IDM_SAVE_AS}, kSeparator,       {3, IDM_CUT}, {4, IDM_COPY},
        {5, IDM_PASTE}, {6, IDM_PASTE_FILE}, kSeparator,    {7, IDM_UNDO}, {8, IDM_REDO},
        kSeparator,     {9, IDC_SEND},     kSeparator,       {10, IDM_HELP_CREATING},
    };
    if (userProgramSet) {
        constexpr std::ptrdiff_t kUndoPosition = 8;
        buttons.insert(buttons.begin() + kUndoPosition, {ToolbarButton{11, IDM_APPLY_SPECIAL}, kSeparator});
    }
    return buttons;
}

const ToolbarTip* FindToolbarTip(int command) {
    const auto* it = std::find_if(kTips.begin(), kTips.end(), [command](const ToolbarTip& t) { return t.command == command; });
    return it == kTips.end() ? nullptr : &*it;
}

}  // namespace velmar
