// Process entry of the message client.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "common/ResourceStrings_win.h"
#include "common/RunDetached_win.h"
#include "common/WideText_win.h"
#include "startup/Application_win.h"
#include "startup/ExitCodes.h"
#include "startup/StartKind.h"
#include "resources/resource.h"

using namespace velmar;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR, int showCommand) {
    // The C runtime drops leading blanks of the arguments; they matter here ("mailto:"
    // must start the command line), so the arguments are taken from the whole line. They
    // are read as typed: in the ANSI code page when they fit it, else as UTF-8.
    const std::string wholeLine = WideToUtf8(GetCommandLineW());
    const std::wstring arguments = Utf8ToWide(ArgumentsOfCommandLine(wholeLine));
    const std::optional<std::string> ansiArguments = WideToAnsiExact(arguments);
    const std::string commandLine = ansiArguments ? *ansiArguments : WideToUtf8(arguments);

    Application app;
    app.instance = instance;
    char modulePath[512] = {};
    GetModuleFileNameA(nullptr, modulePath, sizeof modulePath - 1);
    app.messageBuffer = modulePath;
    app.appTitle = LoadResourceString(instance, IDS_APP_TITLE, cap::appTitle, "VELMAR1");
    app.replyFilePath.clear();
    app.batchFlag = 0;
    app.commandLineUtf8 = !ansiArguments;

    switch (ClassifyCommandLine(commandLine)) {
    case StartKind::Plain:
        break;
    case StartKind::Reply:
        app.replyFilePath = CutCopy(app.commandLineUtf8 ? AnsiPathOf(commandLine) : commandLine, cap::replyFilePath);
        app.batchFlag = 1;
        break;
    case StartKind::Batch:
        app.batchFlag = 1;
        break;
    case StartKind::HandOff:
        // Not one of ours: the built-in delivery program gets the whole command line. No
        // setting has been read, so a configured delivery program is not used.
        app.messageBuffer = HandOffCommand(commandLine);
        if (!app.commandLineUtf8) {
            RunDetached(app.messageBuffer, showCommand);
        } else {
            // Passed on as typed, cut to as many characters as an ANSI hand-off keeps.
            std::wstring command = L"mqsend " + arguments;
            command.resize(std::min<std::size_t>(command.size(), 511));
            RunDetached(command, showCommand);
        }
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

    // A Unicode loop: a typed character the ANSI code page cannot hold reaches the Unicode
    // fields whole.
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (accelerators != nullptr && TranslateAcceleratorW(app.mainWindow, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    if (!app.replyFilePath.empty()) DeleteFileA(app.replyFilePath.c_str());
    return app.exitCode != exitcode::ok ? app.exitCode : static_cast<int>(message.wParam);
}
