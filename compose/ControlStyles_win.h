// Window style bits of the compose window's child controls, from the traits of their rows.
#pragma once

#include <windows.h>

#include "compose/ControlTable.h"

namespace velmar {

// WS_CHILD | WS_VISIBLE and the bits the row's traits ask for.
[[nodiscard]] DWORD ControlStyle(const ControlRow& row);

}  // namespace velmar
