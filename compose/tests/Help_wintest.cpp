// The Help menu's commands, with a stand-in for HTML Help, and the version resource of the built program.
#include <windows.h>

#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/HelpViewer_win.h"
#include "compose/AboutText.h"
#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/DialogDriver_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

std::string helpCalls;  // "file #command" lines

HWND WINAPI HtmlHelpStandIn(HWND owner, LPCSTR file, UINT command, DWORD_PTR) {
    helpCalls += std::string(file != nullptr ? file : "") + " #" + std::to_string(command) + "\n";
    return owner;  // a window, as HTML Help answers a topic it shows
}

using HelpTest = wintest::MainWindowTest;

// Help menu, toolbar, F1 and the address book open their topics, a missing file is named; About shows the version.
TEST_F(HelpTest, EachHelpCommandOpensItsTopicOrNamesAMissingFile) {
    wintest::ScratchDir scratch("help");
    wintest::DialogDriver driver;
    helpCalls.clear();
    app.help.htmlHelp = HtmlHelpStandIn;
    app.help.filePath = scratch / "missing\\VELMAR.CHM";
    ASSERT_NE(Open(), nullptr);
    driver.Answer(app.appTitle, IDOK);
    SendMessageA(window, WM_COMMAND, IDM_HELP_CREATING, 0);
    ASSERT_EQ(driver.shownTexts.size(), 1u);
    EXPECT_NE(driver.shownTexts[0].find(app.help.filePath), std::string::npos) << driver.shownTexts[0];
    app.help.filePath = scratch / "VELMAR.CHM";  // no help call for the missing file: the list starts below
    ASSERT_TRUE(wintest::WriteWholeFile(app.help.filePath, ""));
    SendMessageA(window, WM_COMMAND, IDM_HELP_CREATING, 0);    // Help menu and the toolbar's "?"
    SendMessageA(window, WM_COMMAND, IDM_HELP_RECIPIENTS, 0);  // Help menu
    MSG f1{window, WM_KEYDOWN, VK_F1, 0, 0, {}};
    EXPECT_TRUE(TranslateAcceleratorA(window, LoadAcceleratorsA(app.instance, "ACCEL1"), &f1));
    driver.Then("Address Book", [](HWND book) {
        wintest::Click(book, IDC_BOOK_HELP);
        PostMessageA(book, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageA(window, WM_COMMAND, IDC_TO_BUTTON, 0);
    driver.Answer("About", IDOK);
    SendMessageA(window, WM_COMMAND, IDM_ABOUT, 0);
    EXPECT_NE(driver.shownTexts.back().find("VELMAR1 Version 8.22-2005.11.30"), std::string::npos);

    DestroyWindow(window);  // the help windows are closed with the window
    std::string want;
    for (const char* page : {"creating.htm", "recipients.htm", "creating.htm", "addressbook.htm"})
        want += app.help.filePath + "::/" + page + " #" + std::to_string(HH_DISPLAY_TOPIC) + "\n";
    EXPECT_EQ(helpCalls, want + " #" + std::to_string(HH_CLOSE_ALL) + "\n");
}

// velmar1.exe beside this program carries the About box's version, read as Explorer reads it.
TEST(VersionResource, BuiltProgramCarriesTheAboutBoxVersion) {
    const std::string program = wintest::BinDir() + "\\velmar1.exe";
    std::vector<char> block(GetFileVersionInfoSizeA(program.c_str(), nullptr));
    ASSERT_TRUE(!block.empty() && GetFileVersionInfoA(program.c_str(), 0, DWORD(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<LPVOID*>(&fixed), &length));
    const DWORD number = fixed->dwFileVersionMS;
    std::string texts = std::to_string(HIWORD(number)) + "." + std::to_string(LOWORD(number));
    for (const char* name : {"ProductVersion", "FileVersion"}) {
        char* value = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
        const bool found = VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<LPVOID*>(&value), &length);
        texts += "|" + std::string(found ? value : "-");
    }
    const std::string version(kProductVersion);
    EXPECT_EQ(texts, version + "|" + version + "|" + version + "-" + std::string(kBuildDate));
}

}  // namespace
}  // namespace velmar
