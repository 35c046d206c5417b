#include "compose/FieldKeys.h"

namespace velmar {

namespace {

// The rows Tab passes over: labels and the attachment display.
constexpr bool SkippedByTab(int row) {
    return row == RowSubjectLabel || row == RowAttachmentDisplay || row == RowReplyLabel || row == RowIncludeLabel;
}

}  // namespace

int NextTabRow(int row, bool backwards, bool replyRow) {
    const int count = ControlCount(replyRow);
    const int step = backwards ? -1 : 1;
    int next = row + step;
    while (next >= 0 && next < count && SkippedByTab(next)) next += step;
    if (next >= count) next = RowToButton;
    if (next < 0) next = count - 1;
    return next;
}

KeyDecision DecideFieldKey(int row, FieldKey key, bool shift, bool tabInBody, bool replyRow) {
    const bool bodyTakesTab = row == RowBody && tabInBody;
    switch (key) {
    case FieldKey::TabKey:
        // The Tab character does the moving; the key itself reaches only a body that types tabs.
        return {bodyTakesTab ? KeyAction::Pass : KeyAction::Drop};
    case FieldKey::EnterKey:
        if (EnterPressesButton(row)) return {KeyAction::PassAsSpace};
        if (IsAddressField(row) || row == RowSubject) return {KeyAction::Drop};
        return {KeyAction::Pass};
    case FieldKey::EnterChar:
        if (EnterPressesButton(row)) return {KeyAction::PassAsSpace};
        if (IsAddressField(row)) return {KeyAction::PostCommand, 4000 + row};
        return {KeyAction::Pass};  // the body gets a new line
    case FieldKey::TabChar:
        if (bodyTakesTab) return {KeyAction::Pass};
        return {KeyAction::MoveFocus, 0, NextTabRow(row, shift, replyRow)};
    case FieldKey::Other:
        break;
    }
    return {KeyAction::Pass};
}

}  // namespace velmar
