// The compose window.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/HelpViewer_win.h"
#include "config/AppConfig.h"
#include "config/ServerLibrary.h"
#include "config/SettingsStore.h"
#include "message/MessageDraft.h"

namespace velmar {

// What the compose window works with. The application owns every part and hands the
// context to the window as its creation parameter.
struct ComposeContext {
    const HINSTANCE& instance;
    const std::string& appTitle;       // window class name and message box caption
    AppConfig& config;
    SettingsStore& settings;
    ServerLibrary& library;
    MessageDraft& draft;
    const std::string& replyFilePath;  // empty, or the reply source file
    HelpViewer& help;                  // the help file's topics
};

// Window procedure of the main window class; the ComposeContext arrives as the creation
// parameter and is kept in the window's user data.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog base units the window's layout and default placement start from, packed as
// GetDialogBaseUnits packs them: the platform's at 96 DPI; at another system scale measured
// with the window's field font made for that scale.
[[nodiscard]] LONG SystemDialogBaseUnits();

// Shows a batch start's message in the window before it is first shown: the draft's To,
// CC, BCC and Subject in their fields (a To makes the body the current field), and the
// body file given for the window, if any, in the body, else `bodyText` (UTF-8: a mailto:
// link's body). Fields marked UTF-8 (MessageFields::utf8) are shown as such.
void ShowDraftInWindow(HWND window, const std::string& bodyPath, std::string_view bodyText = {});

// A reply start: fills the window from the reply source file with the stored reply option
// (see PrefillReply in ComposeWindow_win.h). Nothing happens when the window is gone.
void PrefillReply(HWND window, const std::string& path, int choice);

}  // namespace velmar
