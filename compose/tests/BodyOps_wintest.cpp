// The body text commands, the body font and the About box on real edit controls of a test
// window, with the modal dialogs answered by a timer that runs inside their loops.
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

using wintest::Caption;

class BodyOpsTest : public ::testing::Test,
                    protected wintest::ComposeRig<testing::FakeSettingsBackend, testing::FakeServerLibrary> {
protected:
    void SetUp() override {
        for (int row : {int{RowTo}, 3, 5, int{RowSubject}})
            w.controls[static_cast<std::size_t>(row)] =
                CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10 + 25 * row, 400, 20,
                                w.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(3000 + row)), instance, nullptr);
        config.userId = "alice";
    }
    void TearDown() override { EXPECT_TRUE(driver.Done()) << "dialog not seen: " << driver.Waiting(); }

    void ChooseFile(const std::string& title, const std::string& path) {
        driver.Then(title, [path](HWND dialog) {
            SetDlgItemTextA(dialog, cmb13, path.c_str());  // the file name box, a combo box or an edit
            SetDlgItemTextA(dialog, edt1, path.c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
    }
    std::string UserKey() const { return ConfigKeyPath("alice", config.domain.Name()); }

    wintest::DialogDriver driver;
    std::vector<std::string>& shownTexts = driver.shownTexts;
    wintest::ScratchDir dir{"body"};
};

std::string Lines(std::size_t bytes) {  // CR LF lines of 'x', exactly `bytes` long
    std::string text;
    while (text.size() + 10 <= bytes) text += "xxxxxxxx\r\n";
    text.append(bytes - text.size(), 'y');
    return text;
}

TEST_F(BodyOpsTest, IncludeFileText) {
    const std::string typed = "typed by the user";
    // size 0: no such file; answer: the button pressed at the length question, 0 when none is expected;
    // bodyIsFile: else the typed text stays.
    const struct { const char *name, *file; std::size_t size; int answer; IncludeResult want; bool bodyIsFile,
                   attached, fileKept; }
        cases[] = {
        {"short file loaded", "short.txt", 100, 0, IncludeResult::Loaded, true, false, true},
        {"loaded .TMP deleted", "BODY.TMP", 100, 0, IncludeResult::Loaded, true, false, false},
        {"long file, No loads 60000", "long.txt", 60001, IDNO, IncludeResult::Loaded, true, false, true},
        {"long .tmp, Yes attaches and keeps it", "long.tmp", 60001, IDYES, IncludeResult::Attached, false, true, true},
        {"missing file keeps the body", "missing.txt", 0, 0, IncludeResult::Unchanged, false, false, false},
    };
    for (const auto& c : cases) {
        SetBody(typed);
        draft.attachments.ClearAttachments();
        const std::string content = Lines(c.size), given = dir / c.file;
        std::string path = given;
        if (c.size > 0) wintest::WriteWholeFile(path, content);
        if (c.answer != 0 || c.size == 0) driver.Answer(appTitle, c.size == 0 ? IDOK : c.answer);
        EXPECT_EQ(IncludeFileText(w, w.Body(), path), c.want) << c.name;
        EXPECT_TRUE(Body() == (c.bodyIsFile ? content.substr(0, 60000) : typed)) << c.name << ": " << Body().size();
        EXPECT_EQ(std::tuple(draft.attachments.Count(), wintest::FileExists(given), path.empty(), driver.Done()),
                  std::tuple(c.attached ? 1u : 0u, c.fileKept, c.size > 0 && !c.fileKept, true)) << c.name;
    }
    ASSERT_EQ(shownTexts.size(), 3u);
    EXPECT_NE(shownTexts[0].find("trunctated at 60000 characters"), std::string::npos);
    EXPECT_NE(shownTexts[2].find("Open failed"), std::string::npos);
}

TEST_F(BodyOpsTest, SaveWritesTheWholeBodyAndUnicodeLoadsBack) {
    const struct { const char* name; std::string body; bool existing; } cases[] = {
        {"empty body, empty file", "", false}, {"70000 characters", Lines(70000), false},
        {"replaces an old file", "new\r\ntext\xe9", true}};
    for (const auto& c : cases) {
        SetBody(c.body);
        const std::string path = dir / (std::string(c.name) + ".txt");
        if (c.existing) wintest::WriteWholeFile(path, "the old file's text, longer than the new one");
        EXPECT_TRUE(WriteBodyToFile(w, path)) << c.name;
        EXPECT_EQ(wintest::FileExists(path) ? wintest::ReadWholeFile(path) : "(none)", c.body) << c.name;
    }
    EXPECT_EQ(wintest::ListFiles(dir.Path()).size(), 3u);  // no temporary file left behind

    // Text the ANSI code page cannot hold is saved as UTF-8 behind its mark and loaded back
    // whole; a UTF-16 file with its mark loads too.
    const std::wstring text = L"\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440\r\n\u4f1a\u8b70 \U0001F600\r\n";
    SetWindowTextW(w.Body(), text.c_str());
    std::string path = dir / "cyrillic.txt", wide = dir / "wide.txt";
    EXPECT_TRUE(WriteBodyToFile(w, path));
    EXPECT_EQ(wintest::ReadWholeFile(path), "\xEF\xBB\xBF" + WideToUtf8(text));
    SetBody("");
    EXPECT_EQ(IncludeFileText(w, w.Body(), path), IncludeResult::Loaded);
    EXPECT_EQ(WindowTextW(w.Body()), text);
    wintest::WriteWholeFile(wide, "\xFF\xFE\x1F\x04\x0A\x00"s);
    EXPECT_EQ(IncludeFileText(w, w.Body(), wide), IncludeResult::Loaded);
    EXPECT_EQ(WindowTextW(w.Body()), L"\u041f\r\n");
}

void PutOnClipboard(HWND owner, const std::string& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    CopyMemory(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// Load fills the body whatever field has the focus; Save as confirms a replacement; a failed
// write is reported; Paste from file cancelled leaves the clipboard empty, else inserts at the caret.
TEST_F(BodyOpsTest, FileCommands) {
    const std::string message = dir / "message.txt";
    wintest::WriteWholeFile(message, "line one\nline two\0end"s);
    w.currentRow = RowTo;
    ChooseFile("Load message text", message);
    RunBodyFileCommand(w, IDM_LOAD);
    EXPECT_EQ(Body(), "line one\r\nline two end");

    SetBody("body text");
    const std::string path = dir / "saved.txt";
    wintest::WriteWholeFile(path, "old");
    ChooseFile("Save message text as...", path);
    driver.Answer("Save message text as...", IDYES);
    RunBodyFileCommand(w, IDM_SAVE_AS);
    EXPECT_EQ(wintest::ReadWholeFile(path), "body text");

    driver.Answer(appTitle, IDOK);
    EXPECT_FALSE(WriteBodyToFile(w, dir / "no such folder\\saved.txt"));
    ASSERT_FALSE(shownTexts.empty());
    EXPECT_NE(shownTexts.back().find("Open failed"), std::string::npos);

    w.currentRow = RowBody;
    SetBody("kept");
    PutOnClipboard(w.window, "earlier clipboard text");
    driver.Answer("Import ASCII file", IDCANCEL);
    RunBodyFileCommand(w, IDM_PASTE_FILE);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(Body(), "kept");
    const std::string part = dir / "part.txt";
    wintest::WriteWholeFile(part, "a\nb");
    SendMessageA(w.Body(), EM_SETSEL, 2, 2);
    ChooseFile("Import ASCII file", part);
    RunBodyFileCommand(w, IDM_PASTE_FILE);
    EXPECT_EQ(Body(), "kea\r\nbpt");
}

TEST_F(BodyOpsTest, EditCommandsActOnTheCurrentField) {
    SetBody("0123456789abcdef");
    PutOnClipboard(w.window, "xyz");
    SendMessageA(w.Body(), EM_SETSEL, 10, 10);
    RunEditCommand(w, IDM_PASTE);
    EXPECT_EQ(Body(), "0123456789xyzabcdef");
    const auto selection = [&] {
        DWORD start = 0, end = 0;
        SendMessageA(w.Body(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::pair(start, end);
    };
    EXPECT_EQ(selection(), std::pair(DWORD{10}, DWORD{10}));
    SendMessageA(w.Body(), EM_SETSEL, 0, 4);
    RunEditCommand(w, IDM_CUT);
    EXPECT_EQ(Body(), "456789xyzabcdef");

    w.currentRow = RowSubject;
    SetWindowTextA(w.Control(RowSubject), "subject");
    SendMessageA(w.Control(RowSubject), EM_SETSEL, 0, 3);
    RunEditCommand(w, IDM_DELETE);
    EXPECT_EQ(Caption(w.Control(RowSubject)) + "|" + Body(), "ject|456789xyzabcdef");
    w.currentRow = RowBody;
    SetBody(Lines(70000));
    RunEditCommand(w, IDM_SELECT_ALL);
    EXPECT_EQ(selection(), std::pair(DWORD{0}, DWORD{70000}));  // more than 65534: the whole body
}


// The menu is set from the window's fields (the rules are the native EditMenuState table); the
// body font follows the font setting.
TEST_F(BodyOpsTest, EditMenuAndBodyFont) {
    HMENU menu = LoadMenuA(instance, "MAIN32MENU");
    auto greyed = [&] { return (GetMenuState(menu, IDM_SAVE_AS, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    UpdateEditMenu(w, menu);
    EXPECT_TRUE(greyed()) << "empty body";
    SetBody("text");
    UpdateEditMenu(w, menu);
    EXPECT_FALSE(greyed());
    DestroyMenu(menu);

    ApplyBodyFont(w);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(w.Body(), WM_GETFONT, 0, 0)), GetStockObject(ANSI_FIXED_FONT));

    backend.SetDword(UserKey(), "FONT", 4);
    ApplyBodyFont(w);
    LOGFONTA font{};
    ASSERT_NE(GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(w.Body(), WM_GETFONT, 0, 0)), sizeof font, &font), 0);
    EXPECT_EQ(std::tuple(std::string(font.lfFaceName), font.lfHeight, font.lfWeight, int{font.lfPitchAndFamily}),
              std::tuple(std::string("Courier New"), LONG{-11}, LONG{400}, 49));

    config.optWrap = 1;
    config.sendWrap = 10;
    SetBodyFormattingRect(w);
    RECT format{};
    SendMessageA(w.Body(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.right - format.left, 70) << "ten characters of Courier New at 7 pixels";
}

TEST_F(BodyOpsTest, AboutBoxShowsTheVersionLine) {
    std::string version;
    driver.Then("About", [&](HWND box) {
        version = Caption(GetDlgItem(box, IDC_ABOUT_VERSION)) + "|" + Caption(GetDlgItem(box, IDC_ABOUT_PRODUCT));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    RunHelpCommand(w, IDM_ABOUT);
    EXPECT_EQ(version, "VELMAR1 Version 8.22-2005.11.30|Create Mail Message");
}

}  // namespace
}  // namespace velmar
