#include "compose/Commands.h"

#include <algorithm>

#include "common/HelpTopics.h"

namespace velmar {

static_assert([] {
    for (std::size_t i = 0; i < kCommandTable.size(); ++i)
        for (std::size_t j = i + 1; j < kCommandTable.size(); ++j)
            if (kCommandTable[i].id == kCommandTable[j].id) return false;
    return true;
}(), "each command id has one group");

CommandGroup CommandGroupOf(int id) {
    const auto* it = std::find_if(kCommandTable.begin(), kCommandTable.end(),
                                  [id](const CommandEntry& e) { return e.id == id; });
    return it == kCommandTable.end() ? CommandGroup::None : it->group;
}

int AddressFieldRowOf(int id) {
    switch (id) {
    case IDC_TO_BUTTON:
    case IDM_CHECK_TO_NAMES: return 1;
    case IDC_CC_BUTTON:
    case IDM_CHECK_CC_NAMES: return 3;
    case IDC_BCC_BUTTON:
    case IDM_CHECK_BCC_NAMES: return 5;
    default: return -1;
    }
}

int ReplyChoiceOf(int id, bool ctrlOrShift) {
    switch (id) {
    case IDC_REPLY_ALL: return 1;
    case IDC_REPLY_SENDER: return 2;
    case IDC_INCLUDE_YES: return ctrlOrShift ? 12 : 4;
    case IDC_INCLUDE_NO: return 8;
    default: return 0;
    }
}

int HelpContextOf(int id) {
    switch (id) {
    case IDM_HELP_CREATING: return kHelpCreating;
    case IDM_HELP_RECIPIENTS: return kHelpRecipients;
    default: return 0;
    }
}

}  // namespace velmar
