// Opening the compiled help file at a topic through HTML Help. HTML Help (HtmlHelpA of
// hhctrl.ocx) is loaded at the first help command, so the program starts and works where it
// is missing; the help command then says so in a message box.
#pragma once

#include <windows.h>

#include <string>

namespace velmar {

struct HelpViewer {
    using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

    HtmlHelpProc htmlHelp = nullptr;  // null: HtmlHelpA of hhctrl.ocx, loaded at first use
    std::string filePath;             // empty: VELMAR.CHM in the program's directory
    bool loadTried = false;           // hhctrl.ocx was looked for
    bool opened = false;              // a topic was shown: its windows are closed at the end
};

// The help file the viewer opens: its own path, or VELMAR.CHM beside the program.
[[nodiscard]] std::string HelpFilePath(const HelpViewer& viewer);

// Shows the page of help context `context` (see common/HelpTopics.h). When the help file
// is missing, or HTML Help is not installed or cannot open it, a message box owned by
// `owner` with `caption` names the file instead. True when the topic was shown.
bool ShowHelpTopic(HelpViewer& viewer, HWND owner, int context, const std::string& caption);

// Closes the help windows this process opened (none: nothing happens).
void CloseHelp(HelpViewer& viewer);

}  // namespace velmar
