// One entry of the address book: the kinds of entry, the line forms of the alias files and
// the one display text in which an entry is shown in the address list and written back to
// its alias file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

// The kind of an address list entry, kept as the list item's data; the codes are stored.
enum EntryKind : std::int32_t {
    EntryLocalUser = 0,  // the server's user list; read only
    EntryAlias = 1,      // a server alias with an address target; written to the registry at once
    EntryShared = 2,     // the shared alias file; written on save
    EntryPersonal = 3,   // the user's own alias file; written on save
    EntryList = 8,       // a server alias naming a distribution list file
    EntryNewList = 12,   // a list being created; becomes EntryList once its dialog opens
};

namespace cap {
inline constexpr std::size_t entryAddress = 99;   // an entry's address
inline constexpr std::size_t entryName = 255;     // an entry's name
inline constexpr std::size_t entryPath = 1023;    // an entry's address or list path while edited
inline constexpr std::size_t fieldForBook = 549;  // the header field text the address book and completion take
inline constexpr std::size_t fieldLabel = 9;      // the header field's label
inline constexpr std::size_t searchText = 255;
inline constexpr std::size_t aliasTarget = 150;   // a server alias's target read for completion
inline constexpr std::size_t sharedPath = 189;    // the "SHARED" setting
inline constexpr std::size_t fullName = 254;      // a local user's "FULLNAME"
inline constexpr std::size_t joinedRecipients = 450;  // the join stops before the next recipient at this length
inline constexpr std::size_t selectionBatch = 255;    // selected entries handled at once
}  // namespace cap

struct ParsedEntry {
    std::string address;  // at most cap::entryAddress characters
    std::string name;     // at most cap::entryName characters
};

// Removes trailing blanks and line feeds in place; returns the position of the first
// character that is neither a blank nor a tab (leading blanks stay in the text).
std::size_t TrimEntryText(std::string& text);

// Reads one alias file line: the address inside the first angle brackets outside double
// quotes; the name inside the first double quotes (a "<" there is display text), else
// inside the first parentheses (with the text before them as the address when there were
// no angle brackets), else the text before "<"; a line with neither is all address.
// Trailing blanks are trimmed from both.
[[nodiscard]] ParsedEntry ParseAddressEntry(std::string_view line);

// True when `pattern` occurs in `text` ignoring ASCII case; an empty pattern never occurs.
[[nodiscard]] bool ContainsNoCase(std::string_view text, std::string_view pattern);

// "\"name\" <address>" with both, "<address>" with an address only, empty without address.
[[nodiscard]] std::string EntryDisplay(std::string_view name, std::string_view address);

// A server alias naming a list file: "Multiple recipients <alias@host>".
[[nodiscard]] std::string ListDisplay(std::string_view aliasName, std::string_view hostName);

// A local user: "\"full name\" <user id>", or the bare user id without a full name.
[[nodiscard]] std::string LocalUserDisplay(std::string_view userId, std::string_view fullName);

// An alias target that feeds a program; such aliases are never listed.
[[nodiscard]] inline bool IsProgramTarget(std::string_view target) { return !target.empty() && target[0] == '|'; }
// An alias target that is the path of a distribution list file; a program's path after
// "|" is not one.
[[nodiscard]] inline bool IsListTarget(std::string_view target) {
    return !IsProgramTarget(target) && target.find_first_of("\\/") != std::string_view::npos;
}

// A server alias as the address list shows it: a list target as ListDisplay with
// EntryList, any other as "\"name\" <target>" with EntryAlias.
struct ShownEntry {
    std::string text;
    EntryKind kind = EntryAlias;
};
[[nodiscard]] ShownEntry ServerAliasEntry(std::string_view name, std::string_view target, std::string_view hostName);

// An alias file line in display form; a line with a name but no address stays as it is.
[[nodiscard]] std::string AliasLineDisplay(std::string_view line);

// The alias name of a listed server alias: the name part, or the address without a name;
// for a list, its address with everything from "@" on removed.
[[nodiscard]] std::string AliasNameOf(std::string_view displayText, EntryKind kind);

}  // namespace velmar
