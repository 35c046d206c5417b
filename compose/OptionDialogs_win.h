// The option dialogs of the compose window and the user-defined program run over the body.
// Every dialog is modal, owned by the compose window, and closing it with its close box
// is Cancel. What the dialogs show and store is decided in compose/OptionDialogs.h.
#pragma once

#include "compose/ComposeWindow_win.h"

namespace velmar {

// "DLG_MSGOPT". OK stores the options and narrows the body to the wrap column again.
// Returns true for OK.
bool ShowMessageOptions(ComposeWindow& w);

// "DLG_SEND". Its "Attachments" group shows when the message has an attachment, and always
// when `fromMenu`. Returns true for OK (the send command gives up on false).
bool ShowSendOptions(ComposeWindow& w, bool fromMenu);

// "DLG_SPECIAL": the program and whether its clipboard result is pasted back. Returns true
// for OK.
bool ShowSpecialProgram(ComposeWindow& w);

// Runs the user-defined program over the current field: the selection (the whole text
// when nothing is selected) goes to the clipboard, the program is started without waiting
// for it, and when "SpecCopy" is set the clipboard is pasted over the selection one second
// later, whatever the program has put there by then. Nothing happens without a program;
// a program that cannot be started is ignored and nothing is pasted.
void ApplySpecialProgram(ComposeWindow& w);

}  // namespace velmar
