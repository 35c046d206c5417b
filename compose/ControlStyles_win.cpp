#include "compose/ControlStyles_win.h"

namespace velmar {

DWORD ControlStyle(const ControlRow& row) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    const std::uint32_t t = row.traits;
    if (t & TraitTabStop) style |= WS_TABSTOP;
    if (t & TraitPushButton) style |= BS_PUSHBUTTON;
    if (t & TraitPushLikeRadio) style |= BS_RADIOBUTTON | BS_PUSHLIKE;
    if (t & TraitAutoHScroll) style |= ES_AUTOHSCROLL;
    if (t & TraitMultiLine) style |= ES_MULTILINE;
    if (t & TraitVScroll) style |= WS_VSCROLL;
    return style;
}

}  // namespace velmar
