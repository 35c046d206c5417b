// compose/: the compose window. Portable: the control rows and their layout (ControlTable.h,
// Layout.h), the display scale (DisplayScale.h), keys and tab order (FieldKeys.h), the command table (Commands.h), menu states
// (MenuState.h), toolbar buttons and tips (Toolbar.h), the window's texts (WindowTexts.h,
// AboutText.h, DiagnosticTexts.h), the body file bytes of a send (WrapWriter.h) and of a load
// (BodyText.h), the body font (BodyFont.h), the placement text (WindowPlacement.h), the
// option dialogs' rules (OptionDialogs.h), the signature part (Signature.h) and the reply's
// quoting and header scan (ReplyText.h). Windows shell: the window procedure and its state
// (MainWindow_win.h, ComposeWindow_win.h) and one file per command group. Depends on
// addressbook/, queue/, message/, encoding/, config/ and common/.
#pragma once

#include "compose/AboutText.h"
#include "compose/BodyFont.h"
#include "compose/BodyText.h"
#include "compose/Commands.h"
#include "compose/DisplayScale.h"
#include "compose/ControlTable.h"
#include "compose/DiagnosticTexts.h"
#include "compose/FieldKeys.h"
#include "compose/Layout.h"
#include "compose/MenuState.h"
#include "compose/OptionDialogs.h"
#include "compose/ReplyText.h"
#include "compose/Signature.h"
#include "compose/Toolbar.h"
#include "compose/WindowPlacement.h"
#include "compose/WindowTexts.h"
#include "compose/WrapWriter.h"

#ifdef _WIN32
#include "compose/BodyOps_win.h"
#include "compose/ComposeWindow_win.h"
#include "compose/FieldControls_win.h"
#include "compose/MainWindow_win.h"
#include "compose/OptionDialogs_win.h"
#include "compose/WindowSend_win.h"
#endif
