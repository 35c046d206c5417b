// Process entry of the message client.
#include <windows.h>

#include <string>

#include "common/ResourceStrings_win.h"
#include "common/RunDetached_win.h"
#include "startup/Application_win.h"
#include "startup/ExitCodes.h"
#include "startup/StartKind.h"
#include "resources/resource.h"

using namespace velmar;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
    // The C runtime drops leading blanks of the arguments; they matter here ("mailto:"
    // must start the command line), so the arguments are taken from the whole line.
    const std::string commandLine(ArgumentsOfCommandLine(GetCommandLineA()));

    Application app;
    app.instance = instance;
    char modulePath[512] = {};
    GetModuleFileNameA(nullptr, modulePath, sizeof modulePath - 1);
    app.messageBuffer = modulePath;
    app.appTitle = LoadResourceString(instance, IDS_APP_TITLE, cap::appTitle, "VELMAR1");
    app.replyFilePath.clear();
    app.batchFlag = 0;

    switch (ClassifyCommandLine(commandLine)) {
    case StartKind::Plain:
        break;
    case StartKind::Reply:
        app.replyFilePath = CutCopy(commandLine, cap::replyFilePath);
        app.batchFlag = 1;
        break;
    case StartKind::Batch:
        app.batchFlag = 1;
        break;
    case StartKind::HandOff:
        // Not one of ours: the built-in delivery program gets the whole command line. No
        // setting has been read, so a configured delivery program is not used.
        app.messageBuffer = HandOffCommand(commandLine);
        RunDetached(app.messageBuffer, showCommand);
        return exitcode::ok;
    }

    if (!InitApplication(app, instance, previous)) {
        const std::string text =
            LoadResourceString(instance, IDS_INIT_APPLICATION_FAILED, 511, "Init Application failed.");
        MessageBoxA(nullptr, text.c_str(), app.appTitle.c_str(), MB_OK);
        return exitcode::classFailed;
    }
    if (!InitInstance(app, showCommand, commandLine, app.batchFlag)) {
        const std::string text = LoadResourceString(instance, IDS_INIT_INSTANCE_FAILED, 511, "Init Instance failed.");
        MessageBoxA(nullptr, text.c_str(), app.appTitle.c_str(), MB_OK);
        return exitcode::windowFailed;
    }

    HACCEL accelerators = LoadAcceleratorsA(instance, "ACCEL1");
    // A reply start fills the shown window from the stored message.
    if (!app.replyFilePath.empty()) PrefillReply(app.mainWindow, app.replyFilePath, app.draft.replyOption);

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (accelerators != nullptr && TranslateAcceleratorA(app.mainWindow, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    if (!app.replyFilePath.empty()) DeleteFileA(app.replyFilePath.c_str());
    return app.exitCode != exitcode::ok ? app.exitCode : static_cast<int>(message.wParam);
}
