// The compiled help file and its pages: which page each help context of the program opens.
#pragma once

#include <string>
#include <string_view>

namespace velmar {

// The help file, found beside the program.
inline constexpr std::string_view kHelpFileName = "VELMAR.CHM";

// Help contexts: the window's "Creating Messages" (menu, toolbar, F1), "Specifying
// Recipients", and the address book's Help button.
inline constexpr int kHelpCreating = 250;
inline constexpr int kHelpRecipients = 260;
inline constexpr int kHelpAddressBook = 300;

struct HelpTopic {
    int context;
    std::string_view page;  // a page of help/velmar.hhp
};

inline constexpr HelpTopic kHelpTopics[] = {
    {kHelpCreating, "creating.htm"},
    {kHelpRecipients, "recipients.htm"},
    {kHelpAddressBook, "addressbook.htm"},
};

// The page of a help context; the file's first page ("creating.htm") for any other context.
[[nodiscard]] std::string_view HelpPageOf(int context);

// The topic as HTML Help names it: "<help file path>::/<page>".
[[nodiscard]] std::string HelpTopicUrl(std::string_view helpFilePath, int context);

}  // namespace velmar
