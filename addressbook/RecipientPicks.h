// The recipient list of the address book: a header field's text split into recipients,
// picks added without repeats, and the recipients joined back into the field's text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct FieldRecipients {
    std::vector<std::string> recipients;  // each piece as typed, blanks included
    std::string searchText;               // a trailing fragment that is no address yet
};

// Splits at commas outside double quotes. The last piece is a recipient only when it holds
// "<" with at least one character and a ">" after it, or "@" with a character after it;
// otherwise it becomes the search text.
[[nodiscard]] FieldRecipients SplitFieldRecipients(std::string_view field);

// Adds `text` unless a recipient already begins with it, ignoring case. True when added.
bool AddRecipient(std::vector<std::string>& recipients, std::string_view text);

// Joins the recipients with ",", stopping before the next recipient once the text has
// reached 450 characters: the recipient that crosses 450 is the last one kept.
[[nodiscard]] std::string JoinRecipients(const std::vector<std::string>& recipients);

}  // namespace velmar
