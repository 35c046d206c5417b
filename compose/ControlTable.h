// The child controls of the compose window, one row each. The window creates rows 0 to 12,
// and rows 13 to 19 (the reply choices) only in a reply start. Control i has the id
// 3000 + i; its command and notification messages carry that id.
//
// Styles are kept as traits so that this table stays free of the platform's headers; the
// Windows shell turns them into window, edit and button style bits.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmar {

enum Row : int {
    RowToButton = 0,
    RowTo = 1,
    RowCcButton = 2,
    RowCc = 3,
    RowBccButton = 4,
    RowBcc = 5,
    RowSubjectLabel = 6,
    RowSubject = 7,
    RowBody = 8,
    RowSend = 9,
    RowCancel = 10,
    RowAttachmentDisplay = 11,
    RowAttach = 12,
    RowReplyLabel = 13,
    RowReplyAll = 14,
    RowReplySender = 15,
    RowIncludeLabel = 16,
    RowIncludeYes = 17,
    RowIncludeNo = 18,
    RowSaveDefault = 19,
};

inline constexpr int kControlCount = 20;
inline constexpr int kPlainControlCount = 13;  // rows 0 to 12: every start
inline constexpr int kFirstControlId = 3000;

// Style traits; every control is also a visible child window.
enum ControlTrait : std::uint32_t {
    TraitNone = 0,
    TraitTabStop = 1u << 0,
    TraitPushButton = 1u << 1,
    TraitPushLikeRadio = 1u << 2,  // radio button drawn as a push button that stays pressed
    TraitAutoHScroll = 1u << 3,
    TraitMultiLine = 1u << 4,
    TraitVScroll = 1u << 5,
};

enum class ControlClass { Button, Edit, Static };

struct ControlRow {
    Row row;
    int id;
    ControlClass controlClass;
    std::uint32_t traits;  // ControlTrait bits
    std::string_view text;
    bool replyOnly;  // created only in a reply start
};

[[nodiscard]] constexpr std::string_view ClassName(ControlClass c) {
    switch (c) {
    case ControlClass::Button: return "BUTTON";
    case ControlClass::Edit: return "EDIT";
    case ControlClass::Static: return "STATIC";
    }
    return "";
}

namespace control_traits {
inline constexpr std::uint32_t kPlainButton = TraitPushButton;
inline constexpr std::uint32_t kLineField = TraitTabStop | TraitAutoHScroll;
inline constexpr std::uint32_t kBody = TraitTabStop | TraitVScroll | TraitMultiLine;
inline constexpr std::uint32_t kActionButton = TraitPushButton | TraitTabStop;
inline constexpr std::uint32_t kReplyChoice = TraitPushLikeRadio;
}  // namespace control_traits

inline constexpr std::array<ControlRow, kControlCount> kControlRows = [] {
    using namespace control_traits;
    using C = ControlClass;
    return std::array<ControlRow, kControlCount>{{
        {RowToButton, 3000, C::Button, kPlainButton, "&TO:", false},
        {RowTo, 3001, C::Edit, kLineField, "", false},
        {RowCcButton, 3002, C::Button, kPlainButton, "&CC:", false},
        {RowCc, 3003, C::Edit, kLineField, "", false},
        {RowBccButton, 3004, C::Button, kPlainButton, "&BCC:", false},
        {RowBcc, 3005, C::Edit, kLineField, "", false},
        {RowSubjectLabel, 3006, C::Static, TraitNone, "  S&ubject:", false},
        {RowSubject, 3007, C::Edit, kLineField, "", false},
        {RowBody, 3008, C::Edit, kBody, "", false},
        {RowSend, 3009, C::Button, kActionButton, "&Send", false},
        {RowCancel, 3010, C::Button, kActionButton, "Ca&ncel", false},
        // Written by the attachment list; a tab stop, though the Tab key passes over it.
        {RowAttachmentDisplay, 3011, C::Static, TraitTabStop, "", false},
        {RowAttach, 3012, C::Button, kActionButton, "&Attach", false},
        {RowReplyLabel, 3013, C::Static, TraitNone, "Reply to:", true},
        {RowReplyAll, 3014, C::Button, kReplyChoice, "All", true},
        {RowReplySender, 3015, C::Button, kReplyChoice, "Sender", true},
        {RowIncludeLabel, 3016, C::Static, TraitNone, "Include text:", true},
        {RowIncludeYes, 3017, C::Button, kReplyChoice, "Yes", true},
        {RowIncludeNo, 3018, C::Button, kReplyChoice, "No", true},
        {RowSaveDefault, 3019, C::Button, kPlainButton, "Save as Default", true},
    }};
}();

// How many rows the window has: 20 in a reply start, else 13.
[[nodiscard]] constexpr int ControlCount(bool replyRow) { return replyRow ? kControlCount : kPlainControlCount; }

// The row of a control id, or -1 when the id is not one of the window's controls.
[[nodiscard]] constexpr int RowOfControlId(int id) {
    return id >= kFirstControlId && id < kFirstControlId + kControlCount ? id - kFirstControlId : -1;
}

// The single-line address fields whose Enter runs the name check (rows 1, 3, 5).
[[nodiscard]] constexpr bool IsAddressField(int row) { return row == RowTo || row == RowCc || row == RowBcc; }

static_assert([] {
    for (int i = 0; i < kControlCount; ++i) {
        const ControlRow& r = kControlRows[static_cast<std::size_t>(i)];
        if (r.row != i || r.id != kFirstControlId + i || r.replyOnly != (i >= kPlainControlCount)) return false;
    }
    return true;
}(), "control rows are in row order, with ids 3000 + row, reply rows last");

}  // namespace velmar
