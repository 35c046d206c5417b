// Help from every place that offers it, through a stand-in for HTML Help: the Help menu,
// the toolbar's button and F1, and the address book's Help button open their topics; a
// missing help file is named in a message box. And the version resource of the built
// program, the version the About box shows.
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

std::vector<std::string> helpCalls;  // "file #command"

HWND WINAPI HtmlHelpStandIn(HWND owner, LPCSTR file, UINT command, DWORD_PTR) {
    helpCalls.push_back(std::string(file != nullptr ? file : "") + " #" + std::to_string(command));
    return owner;  // a window, as HTML Help answers a topic it shows
}

class HelpTest : public wintest::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        helpCalls.clear();
        app.help.htmlHelp = HtmlHelpStandIn;
        app.help.filePath = scratch.Path() + "\\VELMAR.CHM";
        ASSERT_TRUE(wintest::WriteWholeFile(app.help.filePath, ""));
        ASSERT_NE(Open(), nullptr);
    }
    [[nodiscard]] std::string Topic(const char* page) const {
        return app.help.filePath + "::/" + page + " #" + std::to_string(HH_DISPLAY_TOPIC);
    }

    wintest::ScratchDir scratch{"help"};
    wintest::DialogDriver driver;
};

TEST_F(HelpTest, EachHelpCommandOpensItsTopicOrNamesAMissingFile) {
    const std::string file = app.help.filePath;
    app.help.filePath = scratch.Path() + "\\missing\\VELMAR.CHM";
    driver.Answer(app.appTitle, IDOK);
    SendMessageA(window, WM_COMMAND, IDM_HELP_CREATING, 0);
    ASSERT_EQ(driver.shownTexts.size(), 1u);
    EXPECT_NE(driver.shownTexts[0].find(app.help.filePath), std::string::npos) << driver.shownTexts[0];
    app.help.filePath = file;  // no help call for the missing file: the list below starts with the first topic
    SendMessageA(window, WM_COMMAND, IDM_HELP_CREATING, 0);    // Help menu and the toolbar's "?"
    SendMessageA(window, WM_COMMAND, IDM_HELP_RECIPIENTS, 0);  // Help menu
    HACCEL keys = LoadAcceleratorsA(app.instance, "ACCEL1");
    MSG f1{window, WM_KEYDOWN, VK_F1, 0, 0, {}};
    EXPECT_TRUE(TranslateAcceleratorA(window, keys, &f1));
    driver.Then("Address Book", [](HWND book) {
        wintest::Click(book, IDC_BOOK_HELP);
        PostMessageA(book, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageA(window, WM_COMMAND, IDC_TO_BUTTON, 0);
    EXPECT_TRUE(driver.Done());

    DestroyWindow(window);  // the help windows are closed with the window
    const std::vector<std::string> want = {Topic("creating.htm"), Topic("recipients.htm"), Topic("creating.htm"),
                                           Topic("addressbook.htm"), " #" + std::to_string(HH_CLOSE_ALL)};
    EXPECT_EQ(helpCalls, want);
}

// The version resource of velmar1.exe beside this program, read as Explorer reads it.
TEST(VersionResource, BuiltProgramCarriesTheAboutBoxVersion) {
    using SizeProc = DWORD(WINAPI*)(LPCSTR, LPDWORD);
    using InfoProc = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
    using QueryProc = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    HMODULE version = LoadLibraryA("version.dll");
    ASSERT_NE(version, nullptr);
    auto size = reinterpret_cast<SizeProc>(reinterpret_cast<void*>(GetProcAddress(version, "GetFileVersionInfoSizeA")));
    auto info = reinterpret_cast<InfoProc>(reinterpret_cast<void*>(GetProcAddress(version, "GetFileVersionInfoA")));
    auto query = reinterpret_cast<QueryProc>(reinterpret_cast<void*>(GetProcAddress(version, "VerQueryValueA")));
    const std::string program = wintest::BinDir() + "\\velmar1.exe";
    std::vector<char> block(size(program.c_str(), nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(info(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query(block.data(), "\\", reinterpret_cast<LPVOID*>(&fixed), &length));
    EXPECT_EQ(std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)),
              kProductVersion);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    std::string texts;
    for (const char* name : {"ProductVersion", "FileVersion", "OriginalFilename", "ProductName", "CompanyName"}) {
        char* value = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
        texts += (query(block.data(), path.c_str(), reinterpret_cast<LPVOID*>(&value), &length) ? value : "-")
            + std::string("|");
    }
    EXPECT_EQ(texts, std::string(kProductVersion) + "|" + std::string(kProductVersion) + "-" + std::string(kBuildDate) +
                         "|velmar1.exe|Velmar mail server|Brindle|");
    char* description = nullptr;
    EXPECT_TRUE(query(block.data(), "\\StringFileInfo\\040904E4\\FileDescription",
                      reinterpret_cast<LPVOID*>(&description),
                      &length) && description != nullptr && *description != '\0');
    FreeLibrary(version);
}

}  // namespace
}  // namespace velmar
