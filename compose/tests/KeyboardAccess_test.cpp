// Tab and keys in the compose window's fields; every control of a dialog or the window is reached with Tab and has
// a mnemonic of its own or of the label just before it (which names it for screen readers), none shared in a window.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "compose/ControlTable.h"
#include "compose/FieldKeys.h"

namespace velmar {
namespace {

std::vector<int> Cycle(int from, bool backwards, bool replyRow = false) {
    std::vector<int> rows{NextTabRow(from, backwards, replyRow)};
    while (rows.back() != from && rows.size() < 20) rows.push_back(NextTabRow(rows.back(), backwards, replyRow));
    return rows;
}

TEST(NextTabRow, CyclesBothWaysAndLeavesTheReplyRow) {
    EXPECT_EQ(Cycle(0, false), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 0}));
    EXPECT_EQ(Cycle(0, true), (std::vector<int>{12, 10, 9, 8, 7, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(std::pair(NextTabRow(RowReplyAll, false), NextTabRow(RowSaveDefault, true)),
              std::pair(int{RowToButton}, int{RowToButton}));
    // A reply start: the reply row's buttons follow Attach.
    EXPECT_EQ(Cycle(0, false, true), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 14, 15, 17, 18, 19, 0}));
    EXPECT_EQ(Cycle(0, true, true), (std::vector<int>{19, 18, 17, 15, 14, 12, 10, 9, 8, 7, 5, 4, 3, 2, 1, 0}));
}

TEST(DecideFieldKey, KeysByRow) {
    using A = KeyAction;
    using K = FieldKey;
    const struct { const char* name; int row; FieldKey key; bool shift, tabInBody; KeyDecision want; } cases[] = {
        {"Enter in To checks names", RowTo, K::EnterChar, false, false, {A::PostCommand, 4001}},
        {"Enter in BCC checks names", RowBcc, K::EnterChar, false, false, {A::PostCommand, 4005}},
        {"Enter key in CC dropped", RowCc, K::EnterKey, false, false, {A::Drop}},
        {"Enter character in Subject passed", RowSubject, K::EnterChar, false, false, {A::Pass}},
        {"Enter in body is a new line", RowBody, K::EnterChar, false, false, {A::Pass}},
        {"Enter key on Send presses it", RowSend, K::EnterKey, false, false, {A::PassAsSpace}},
        {"Enter character on To button", RowToButton, K::EnterChar, false, false, {A::PassAsSpace}},
        {"Enter on a reply choice passed", RowReplyAll, K::EnterKey, false, false, {A::Pass}},
        {"Tab key dropped in body", RowBody, K::TabKey, false, false, {A::Drop}},
        {"Tab key passed in tab-typing body", RowBody, K::TabKey, false, true, {A::Pass}},
        {"Tab types a tab in the body", RowBody, K::TabChar, false, true, {A::Pass}},
        {"Tab leaves the body", RowBody, K::TabChar, false, false, {A::MoveFocus, 0, RowSend}},
        {"Tab from BCC skips the label", RowBcc, K::TabChar, false, true, {A::MoveFocus, 0, RowSubject}},
        {"Shift+Tab from To button", RowToButton, K::TabChar, true, false, {A::MoveFocus, 0, RowAttach}},
        {"other keys pass", RowTo, K::Other, false, false, {A::Pass}},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideFieldKey(c.row, c.key, c.shift, c.tabInBody), c.want) << c.name;
}

std::string ReadSource(const char* relative) {
    std::ifstream in(std::string(VELMAR_SOURCE_DIR) + "/" + relative);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::smatch> Matches(const std::string& text, const char* pattern) {
    const std::regex re(pattern);
    return {std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()};
}

// The mnemonic of a control text, lower case, or 0 ("&&" is a plain ampersand).
char Mnemonic(const std::string& text) {
    static const std::regex key("(?:^|[^&])(?:&&)*&([^&])");
    std::smatch m;
    return std::regex_search(text, m, key) ? static_cast<char>(std::tolower(static_cast<unsigned char>(*m[1].first)))
                                           : 0;
}

enum class Kind { Label, Group, Button, Radio, Field };  // a check box is a button here

struct Control { Kind kind; std::string text, id; bool tabStop, groupStart; };
struct Dialog { std::string name; std::vector<Control> controls; };

// The dialog templates of a resource script (it holds nothing else); a statement ending in a comma goes on.
std::vector<Dialog> ReadDialogs(const char* relative) {
    const std::string script = std::regex_replace(ReadSource(relative), std::regex(",[ \t]*\r?\n"), ", ");
    static const std::map<std::string, Kind> kinds = {{"LTEXT", Kind::Label}, {"GROUPBOX", Kind::Group},
        {"LISTBOX", Kind::Field}, {"EDITTEXT", Kind::Field}, {"AUTORADIOBUTTON", Kind::Radio},
        {"AUTOCHECKBOX", Kind::Button}, {"PUSHBUTTON", Kind::Button}, {"DEFPUSHBUTTON", Kind::Button}};
    std::vector<Dialog> dialogs;
    for (const std::smatch& m : Matches(script, R"re((\w+)\s+DIALOGEX\b|\n\s*(LTEXT|GROUPBOX|PUSHBUTTON|DEFPUSHBUTTON|AUTOCHECKBOX|AUTORADIOBUTTON|EDITTEXT|LISTBOX)\s+(?:"([^"]*)",\s*)?([\w-]+)(.*))re")) {
        if (m[1].matched) {
            dialogs.push_back({m[1], {}});
            continue;
        }
        const Kind kind = kinds.at(m[2]);
        const bool defaultStop = kind == Kind::Button || m[2] == "EDITTEXT";  // a tab stop unless told otherwise
        const auto has = [styles = m.str(5)](const char* style) { return styles.find(style) != std::string::npos; };
        dialogs.back().controls.push_back(
            {kind, m[3], m[4], (defaultStop || has("WS_TABSTOP")) && !has("NOT WS_TABSTOP"), has("WS_GROUP")});
    }
    return dialogs;
}

// Everything wrong with one window's controls, in template (and so tab) order.
std::vector<std::string> Problems(const Dialog& d) {
    std::vector<std::string> problems;
    std::map<char, std::string> taken;
    bool groupHasStop = false;
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        const Control& c = d.controls[i];
        const std::string where = d.name + " " + (c.text.empty() ? c.id : c.text) + ": ";
        if (c.groupStart || c.kind != Kind::Radio) groupHasStop = false;
        if (const char key = Mnemonic(c.text)) {
            if (taken.count(key)) problems.push_back(where + "mnemonic also used by " + taken[key]);
            taken[key] = c.text;
        }
        if (c.kind == Kind::Label || c.kind == Kind::Group) continue;
        if (!c.tabStop && !(c.kind == Kind::Radio && groupHasStop)) problems.push_back(where + "not reached with Tab");
        if (c.kind == Kind::Radio && c.tabStop) groupHasStop = true;
        if (c.kind == Kind::Field) {
            // Named and reached through the label before it: text, a check box ("Auto &Wrap at"), a button ("&TO:").
            const Control* label = i > 0 ? &d.controls[i - 1] : nullptr;
            const bool named = label != nullptr && label->kind != Kind::Group && label->kind != Kind::Field &&
                               (Mnemonic(label->text) != 0 || (label->text.empty() && label->id != "-1"));
            if (!named) problems.push_back(where + "does not follow a label with a mnemonic");
        } else if (Mnemonic(c.text) == 0 && c.id != "IDOK" && c.id != "IDCANCEL") {
            problems.push_back(where + "has no mnemonic");
        }
    }
    return problems;
}

TEST(KeyboardAccess, EveryDialogTemplate) {
    std::vector<Dialog> dialogs = ReadDialogs("resources/dialogs.rc");
    for (Dialog& d : ReadDialogs("resources/addressbook.rc")) dialogs.push_back(std::move(d));
    std::string names;  // a template the reader misses, or reads no control of, shows here
    for (const Dialog& d : dialogs) {
        names += d.name + (d.controls.empty() ? "(empty) " : " ");
        for (const std::string& problem : Problems(d)) ADD_FAILURE() << problem;
    }
    EXPECT_EQ(names, "ABOUT DLG_MSGOPT DLG_SEND DLG_SPECIAL DLG_ADDRESS DLG_ADDRINFO DLG_ADDRNEW ");
}

// The compose window is no dialog: each mnemonic is an Alt accelerator reaching its control (a label's: its field).
TEST(KeyboardAccess, ComposeWindow) {
    const std::string script = ReadSource("resources/velmar1.rc"), header = ReadSource("resources/resource.h");
    Dialog window{"compose window", {}};
    for (const std::smatch& m : Matches(script, R"re(POPUP\s+"([^"]*)")re"))  // the menus take their letters
        window.controls.push_back({Kind::Label, m[1], "menu", false, false});
    for (int row = 0; row < kControlCount; ++row) {
        const ControlRow& r = kControlRows[static_cast<std::size_t>(row)];
        if (row == RowBody) window.controls.push_back({Kind::Label, std::string(kBodyLabelText), "3020", false, false});
        const Kind kind = r.controlClass == ControlClass::Edit     ? Kind::Field
                          : r.controlClass == ControlClass::Static ? Kind::Label
                                                                   : Kind::Button;
        window.controls.push_back({kind, std::string(r.text), std::to_string(r.id), true, false});
    }
    // "No" has no letter left (N is Cancel's, O the Options menu's): "&Include text:" and Tab reach it.
    EXPECT_EQ(Problems(window), std::vector<std::string>{"compose window No: has no mnemonic"});

    std::map<char, std::string> altKeys;
    for (const std::smatch& m : Matches(script, R"re("(\w)",\s*(\w+),\s*VIRTKEY,\s*ALT)re"))
        altKeys[Mnemonic("&" + m[1].str())] = m[2];
    std::map<std::string, std::string> idNames;  // "3008" -> "IDC_BODY"
    for (const std::smatch& m : Matches(header, R"(#define\s+(IDC_\w+)\s+(30\d\d)\b)")) idNames[m[2]] = m[1];
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const Control& c = window.controls[i];
        const char key = Mnemonic(c.text);
        if (key == 0 || c.id == "menu") continue;
        // A label's mnemonic focuses what follows it: its key carries that control's id or its own.
        const std::string& next = c.kind == Kind::Label ? window.controls[i + 1].id : c.id;
        EXPECT_TRUE(altKeys[key] == idNames.at(next) || altKeys[key] == idNames.at(c.id))
            << "Alt+" << key << " for " << c.text << ": " << altKeys[key];
    }
}

}  // namespace
}  // namespace velmar
