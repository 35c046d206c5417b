// The compose window's child controls: created from the control table, moved by the
// layout, and all subclassed with one keyboard procedure that moves between the fields
// with Tab, presses buttons with Enter and runs the name check on Enter in an address
// field. Also the frames painted around the fields and the colours of labels and buttons.
#pragma once

#include <windows.h>

#include "compose/ComposeWindow_win.h"

namespace velmar {

// The brush, the two frame pens and the wait cursor of the window.
void CreateWindowResources(ComposeWindow& w);
void ReleaseWindowResources(ComposeWindow& w);

// Creates rows 0 to 12 (and 13 to 19 in a reply start) at their rectangles of `layout`,
// in row order, and subclasses each. False when a control could not be created.
bool CreateFieldControls(ComposeWindow& w, const ControlLayout& layout);

// Gives the keyboard focus to the current field's control.
void FocusCurrentField(ComposeWindow& w);
// Makes `row` the current field and gives its control the focus.
void FocusField(ComposeWindow& w, int row);

// WM_PAINT: sunken frames around the To, CC, BCC, Subject and body fields.
void PaintFieldFrames(ComposeWindow& w);

// WM_CTLCOLORBTN and WM_CTLCOLORSTATIC: the button face as text background and brush.
[[nodiscard]] LRESULT FieldBackground(ComposeWindow& w, HDC dc);

}  // namespace velmar
