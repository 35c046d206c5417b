#include "addressbook/AddressEntry.h"

#include <initializer_list>

#include "common/Text.h"

namespace velmar {
namespace {

constexpr auto npos = std::string_view::npos;

// The text after `open` up to the next `close` (or the end of the line).
std::string Between(std::string_view line, std::size_t open, char close) {
    const std::size_t end = line.find(close, open + 1);
    return std::string(line.substr(open + 1, end == npos ? npos : end - open - 1));
}

// Joins texts by appending, which the optimising Windows compiler accepts without a false
// overlap warning where `"literal" + std::string` draws one.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text.append(part);
    return text;
}

}  // namespace

std::size_t TrimEntryText(std::string& text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && (text[first] == ' ' || text[first] == '\t')) ++first;
    return first;
}

ParsedEntry ParseAddressEntry(std::string_view line) {
    ParsedEntry entry;
    const std::size_t angle = FindUnquoted(line, '<');  // a "<" inside the quoted name is display text
    if (angle != npos) entry.address = Between(line, angle, '>');
    const std::size_t quote = line.find('"');
    const std::size_t paren = line.find('(');
    if (quote != npos) {
        entry.name = Between(line, quote, '"');
    } else if (paren != npos) {
        entry.name = Between(line, paren, ')');
        if (angle == npos) entry.address = std::string(line.substr(0, paren));
    }
    if (entry.name.empty() && angle != npos) entry.name = std::string(line.substr(0, angle));
    if (entry.name.empty() && entry.address.empty()) entry.address = std::string(line);
    CutTo(entry.address, cap::entryAddress);
    CutTo(entry.name, cap::entryName);
    (void)TrimEntryText(entry.address);
    (void)TrimEntryText(entry.name);
    return entry;
}

bool ContainsNoCase(std::string_view text, std::string_view pattern) {
    if (pattern.empty() || pattern.size() > text.size()) return false;
    for (std::size_t at = 0; at + pattern.size() <= text.size(); ++at)
        if (EqualsNoCase(text.substr(at, pattern.size()), pattern)) return true;
    return false;
}

std::string EntryDisplay(std::string_view name, std::string_view address) {
    if (address.empty()) return {};
    if (name.empty()) return Joined({"<", address, ">"});
    return Joined({"\"", name, "\" <", address, ">"});
}

std::string ListDisplay(std::string_view aliasName, std::string_view hostName) {
    return Joined({"Multiple recipients <", aliasName, "@", hostName, ">"});
}

std::string LocalUserDisplay(std::string_view userId, std::string_view fullName) {
    return fullName.empty() ? std::string(userId) : EntryDisplay(fullName, userId);
}

ShownEntry ServerAliasEntry(std::string_view name, std::string_view target, std::string_view hostName) {
    if (IsListTarget(target)) return {ListDisplay(name, hostName), EntryList};
    return {Joined({"\"", name, "\" <", target, ">"}), EntryAlias};
}

std::string AliasLineDisplay(std::string_view line) {
    const ParsedEntry entry = ParseAddressEntry(line);
    if (entry.address.empty()) return std::string(line);
    return EntryDisplay(entry.name, entry.address);
}

std::string AliasNameOf(std::string_view displayText, EntryKind kind) {
    ParsedEntry entry = ParseAddressEntry(displayText);
    if (kind == EntryList) return entry.address.substr(0, entry.address.find('@'));
    return entry.name.empty() ? entry.address : entry.name;
}

}  // namespace velmar
