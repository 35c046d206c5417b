// The compose window's placement as it is stored in the user's "SMTPWIN" setting, and
// which size changes store it.
#pragma once

#include <string>

namespace velmar {

// "left,top,width,height", each written as an unsigned 32-bit number (a window partly
// off the screen's left or top edge gives the two's complement; start-up reads it back
// as the same negative number).
[[nodiscard]] std::string PlacementText(int left, int top, int width, int height);

enum class SizeChange { Restored, Minimized, Maximized, Other };

// Every resize stores the placement except minimising and maximising, whose rectangle is
// not the one to reopen with.
[[nodiscard]] constexpr bool StoresPlacement(SizeChange change) {
    return change != SizeChange::Minimized && change != SizeChange::Maximized;
}

}  // namespace velmar
