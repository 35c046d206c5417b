#include "addressbook/RecipientPicks.h"

#include "addressbook/AddressEntry.h"
#include "common/Text.h"

namespace velmar {
namespace {

bool LooksLikeAddress(std::string_view piece) {
    const std::size_t open = piece.find('<');
    if (open != std::string_view::npos) {
        const std::size_t close = piece.find('>', open + 2);
        if (close != std::string_view::npos) return true;
    }
    const std::size_t at = piece.find('@');
    return at != std::string_view::npos && at + 1 < piece.size();
}

}  // namespace

FieldRecipients SplitFieldRecipients(std::string_view field) {
    FieldRecipients out;
    std::string piece;
    bool quoted = false;
    for (char c : field) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            if (!piece.empty()) out.recipients.push_back(piece);
            piece.clear();
            continue;
        }
        piece += c;
    }
    if (LooksLikeAddress(piece))
        out.recipients.push_back(piece);
    else
        out.searchText = piece;
    return out;
}

bool AddRecipient(std::vector<std::string>& recipients, std::string_view text) {
    for (const std::string& r : recipients)
        if (StartsWithNoCase(r, text)) return false;
    recipients.emplace_back(text);
    return true;
}

std::string JoinRecipients(const std::vector<std::string>& recipients) {
    std::string joined;
    for (const std::string& r : recipients) {
        if (joined.size() >= cap::joinedRecipients) break;
        if (!joined.empty()) joined += ',';
        joined += r;
    }
    return joined;
}

}  // namespace velmar
