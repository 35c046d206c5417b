#include "compose/FieldKeys.h"

namespace velmar {

int NextTabRow(int row, bool backwards) {
    const int step = backwards ? -1 : 1;
    int next = row + step;
    if (next == RowSubjectLabel || next == RowAttachmentDisplay) next += step;
    if (next >= kPlainControlCount) next = RowToButton;
    if (next < 0) next = RowAttach;
    return next;
}

KeyDecision DecideFieldKey(int row, FieldKey key, bool shift, bool tabInBody) {
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
        return {KeyAction::MoveFocus, 0, NextTabRow(row, shift)};
    case FieldKey::Other:
        break;
    }
    return {KeyAction::Pass};
}

}  // namespace velmar
