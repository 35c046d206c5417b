// The body file and edit commands and the body font on real edit controls of a test window.
#include <windows.h>

#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>

#include "common/WideText_win.h"
#include "compose/BodyOps_win.h"
#include "config/tests/FakeServerLibrary.h"
#include "config/tests/FakeSettingsBackend.h"
#include "resources/resource.h"
#include "tests/support/ComposeRig_win.h"
#include "tests/support/DialogDriver_win.h"
#include "tests/support/WinTestSupport.h"

namespace velmar {
namespace {

using namespace std::string_literals;

class BodyOpsTest : public ::testing::Test,
                    protected wintest::ComposeRig<testing::FakeSettingsBackend, testing::FakeServerLibrary> {
protected:
    void SetUp() override {
        config.userId = "alice";  // the body font is a user's setting
        for (int row : {int{RowTo}, 3, 5, int{RowSubject}})
            w.controls[static_cast<std::size_t>(row)] =
                CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10 + 25 * row, 400, 20,
                                w.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(3000 + row)), instance, nullptr);
    }

    void ChooseFile(const std::string& title, const std::string& path) {
        driver.Then(title, [path](HWND dialog) {
            SetDlgItemTextA(dialog, cmb13, path.c_str());  // the file name box, a combo box or an edit
            SetDlgItemTextA(dialog, edt1, path.c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
    }
    wintest::DialogDriver driver;
    wintest::ScratchDir dir{"body"};
};

std::string Lines(std::size_t bytes) {  // CR LF lines of 'x' (an edit control is slow with long lines)
    std::string text;
    while (text.size() + 10 <= bytes) text += "xxxxxxxx\r\n";
    return text.append(bytes - text.size(), 'y');
}

// Load asks before it cuts a long file (No loads 60000 bytes and deletes a temporary file, Yes
// attaches it); Save As writes UTF-8 for text beyond the code page; Paste File goes via the clipboard.
TEST_F(BodyOpsTest, BodyFileCommands) {
    const std::string consumed = dir / "BODY.TMP", attached = dir / "long.tmp", saved = dir / "saved.txt";
    wintest::WriteWholeFile(consumed, Lines(60001));
    w.currentRow = RowTo;
    ChooseFile("Load message text", consumed);
    driver.Answer(appTitle, IDNO);
    RunBodyFileCommand(w, IDM_LOAD);
    EXPECT_TRUE(Body() == Lines(60000) && !wintest::FileExists(consumed)) << Body().size();
    wintest::WriteWholeFile(attached, Lines(60001));
    std::string path = attached;
    driver.Answer(appTitle, IDYES);
    EXPECT_EQ(IncludeFileText(w, w.Body(), path), IncludeResult::Attached);
    EXPECT_EQ(std::tuple(draft.attachments.Count(), wintest::FileExists(attached), Body().size()),
              std::tuple(1u, true, std::size_t{60000}));
    driver.Answer(appTitle, IDOK);
    EXPECT_EQ(IncludeFileText(w, w.Body(), path = dir / "missing.txt"), IncludeResult::Unchanged);
    EXPECT_NE(driver.shownTexts.back().find("Open failed"), std::string::npos);

    SetBody(Lines(70000));
    wintest::WriteWholeFile(saved, "the old file's text");
    ChooseFile("Save message text as...", saved);
    driver.Answer("Save message text as...", IDYES);
    RunBodyFileCommand(w, IDM_SAVE_AS);
    EXPECT_TRUE(wintest::ReadWholeFile(saved) == Lines(70000));
    const std::wstring text = L"\u041f\u0440\u0438\u0432\u0435\u0442\r\n\u4f1a\u8b70 \U0001F600\r\n";
    SetWindowTextW(w.Body(), text.c_str());
    EXPECT_TRUE(WriteBodyToFile(w, saved));
    EXPECT_EQ(wintest::ReadWholeFile(saved), "\xEF\xBB\xBF" + WideToUtf8(text));
    SetBody("");
    EXPECT_EQ(IncludeFileText(w, w.Body(), path = saved), IncludeResult::Loaded);
    EXPECT_EQ(WindowTextW(w.Body()), text);
    SetBody("");
    EXPECT_TRUE(WriteBodyToFile(w, saved) && wintest::ReadWholeFile(saved).empty()) << "an empty body, an empty file";
    driver.Answer(appTitle, IDOK);
    EXPECT_FALSE(WriteBodyToFile(w, dir / "no such folder\\saved.txt"));

    w.currentRow = RowBody;
    SetBody("kept");
    wintest::WriteWholeFile(path = dir / "part.txt", "a\nb");
    SendMessageA(w.Body(), EM_SETSEL, 2, 2);
    ChooseFile("Import ASCII file", path);
    RunBodyFileCommand(w, IDM_PASTE_FILE);
    EXPECT_EQ(Body(), "kea\r\nbpt");
    driver.Answer("Import ASCII file", IDCANCEL);  // the clipboard is emptied before the dialog opens
    RunBodyFileCommand(w, IDM_PASTE_FILE);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(wintest::ListFiles(dir.Path()).size(), 3u);  // no temporary file left behind
}

// The edit commands act on the current field, the menu follows the fields, the custom font sets the wrap width.
TEST_F(BodyOpsTest, EditCommandsMenuAndBodyFont) {
    SetBody("0123456789abcdef");
    HMENU menu = LoadMenuA(instance, "MAIN32MENU");
    UpdateEditMenu(w, menu);  // body text, nothing selected
    const auto greyed = [&](int id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_EQ(std::pair(greyed(IDM_SAVE_AS), greyed(IDM_CUT)), std::pair(false, true));
    DestroyMenu(menu);
    w.currentRow = RowSubject;
    SetWindowTextA(w.Control(RowSubject), "subject");
    SendMessageA(w.Control(RowSubject), EM_SETSEL, 0, 3);
    RunEditCommand(w, IDM_CUT);
    w.currentRow = RowBody;
    SendMessageA(w.Body(), EM_SETSEL, 10, 10);
    RunEditCommand(w, IDM_PASTE);
    const auto selection = [&] {
        DWORD start = 0, end = 0;
        SendMessageA(w.Body(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::pair(start, end);
    };
    EXPECT_EQ(std::tuple(wintest::Caption(w.Control(RowSubject)), Body(), selection()),
              std::tuple("ject"s, "0123456789subabcdef"s, std::pair(DWORD{10}, DWORD{10})));
    SendMessageA(w.Body(), EM_SETSEL, 0, 4);
    RunEditCommand(w, IDM_DELETE);
    EXPECT_EQ(Body(), "456789subabcdef");
    SetBody(Lines(70000));
    RunEditCommand(w, IDM_SELECT_ALL);
    EXPECT_EQ(selection(), std::pair(DWORD{0}, DWORD{70000}));  // more than 65534: the whole body

    for (const auto& [name, value] : {std::pair{"FONT", 4}, {"FWEIGHT", 700}})
        backend.SetDword(ConfigKeyPath(config.userId, config.domain.Name()), name, value);
    ApplyBodyFont(w);
    LOGFONTA shown{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(w.Body(), WM_GETFONT, 0, 0)), sizeof shown, &shown);
    EXPECT_EQ(std::pair(std::string(shown.lfFaceName), shown.lfWeight), std::pair("Courier New"s, LONG{700}));
    config.optWrap = 1;
    config.sendWrap = 10;
    SetBodyFormattingRect(w);
    RECT format{};
    SendMessageA(w.Body(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.right - format.left, 70) << "ten characters of Courier New at 7 pixels";
}

}  // namespace
}  // namespace velmar
