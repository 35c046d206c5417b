// The application object: owner of the process-wide state of the client (instance, title,
// the general text area, the reply source path, the main window, the message draft) and of
// the configuration with the settings store and server library that fill it. WinMain
// creates the one instance and wires the subsystems to it; the compose window gets the
// parts it works with as a ComposeContext.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/Capacities.h"
#include "config/AppConfig.h"
#include "config/Registry_win.h"
#include "config/ServerLibrary_win.h"
#include "config/SettingsStore.h"
#include "compose/MainWindow_win.h"
#include "message/MessageDraft.h"
#include "startup/CommandRequest.h"

namespace velmar {

struct Application {
    HINSTANCE instance = nullptr;
    int showCommand = SW_SHOWNORMAL;
    std::string appTitle = "VELMAR1";  // window class name and every message box caption
    std::string messageBuffer;         // general text area; whoever writes it last wins
    std::string replyFilePath;         // empty, or the reply source file
    std::string windowBodyPath;        // a batch start's body file for the window ("-i", "I:")
    std::string windowBodyText;        // a mailto: link's body for the window (UTF-8)
    int batchFlag = 0;
    bool commandLineUtf8 = false;      // the command line holds characters beyond the ANSI code page: UTF-8
    HWND mainWindow = nullptr;
    int exitCode = 0;                  // a batch start's outcome (see startup/ExitCodes.h)

    MessageDraft draft;  // the message being composed or sent

    AppConfig config;
    Win32SettingsBackend settingsBackend;
    SettingsStore settings{settingsBackend, config, IsNtFamily()};
    VelmarsecLibrary library;
    HelpViewer help;

    // What the compose window is handed.
    ComposeContext compose{instance, appTitle, config, settings, library, draft, replyFilePath, help};
};

// Registers the main window class (named app.appTitle). True on success.
bool InitApplication(Application& app, HINSTANCE instance, HINSTANCE previous);

// Reads the configuration, creates the main window and runs the batch driver. False when
// the main window could not be created.
bool InitInstance(Application& app, int showCommand, std::string_view commandLine, int batchFlag);

}  // namespace velmar
