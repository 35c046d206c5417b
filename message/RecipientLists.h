// Recipient lists: the To and CC header lines with server-list expansion, folded lists,
// bare-address reduction, and the envelope lines of the control file.
//
// A recipient list is comma-separated; a double quote opens a run that lasts to the next
// one, a parenthesis a comment that lasts to the next closing one, and commas inside either
// do not separate. Header text is produced with "\n" line ends;
// the message writer turns them into CR LF for the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "message/WriterSettings.h"

namespace velmar {

// Reduces one item to its bare address: quoted runs (single, then double) and comments in
// parentheses removed, the text inside angle brackets taken, blanks trimmed. Returns the
// new length.
std::size_t BareAddress(std::string& item);

// A recipient list as typed into a field of several lines: every line break (CR LF, CR or
// LF, or a run of them) separates addresses as a comma does; a break after a comma, before
// the end or at the start only goes away. A NUL ends the list. No line break is left.
[[nodiscard]] std::string SeparateAtLineBreaks(std::string_view list);

// Rewrites a recipient list as a comma-separated list of bare addresses.
void ReduceToBareAddresses(std::string& list);

// Cuts `rest` at its first comma outside a quoted run or comment: returns the item and leaves the
// text after the comma (its leading blanks skipped) in `rest`.
[[nodiscard]] std::string CutListItem(std::string_view& rest);

// Cut `encoded` at its line end when the line end is all that follows it (at most two
// characters from the last CR, or from the last LF when there is no CR).
void TrimEncoderLineEnd(std::string& encoded);

// One writer per message: it holds the nesting depths of list and alias expansion.
class RecipientWriter {
public:
    static constexpr int maxDepth = 50;

    // Host, "EXPANDTO", "DefHost" and the wrap width come from `settings`.
    RecipientWriter(RecipientDirectory& directory, const WriterSettings& settings, unsigned codePage)
        : directory_(directory), hostName_(settings.hostName), expandTo_(settings.expandTo),
          defaultHost_(settings.defaultHost), sendWrap_(settings.sendWrap), codePage_(codePage) {}

    // A To or CC header (label "To:" or "CC:", separator ","): at most six items a line,
    // server lists expanded and local names qualified; with "EXPANDTO" 0 a folded list.
    void WriteAddressHeader(std::string& out, std::string_view label, std::string_view list, char separator);
    // Writes the next item of `rest` and returns the text after it.
    std::string_view NextAddressItem(std::string& out, std::string_view rest);
    // Writes one item; false when nothing was written.
    bool WriteAddressItem(std::string& out, std::string_view item);
    // A list on one header line, or one item per line when it is as long as `sendWrap`.
    void WriteFoldedList(std::string& out, std::string_view label, std::string_view list, char separator);

    // One "N" and one "R" line per recipient, aliases and list files expanded.
    void WriteEnvelopeRecipients(std::string& out, std::string_view list);
    void WriteEnvelopeItem(std::string& out, char letter, std::string_view item);
    // "<letter><address>\n", the address in angle brackets.
    void WriteEnvelopeLine(std::string& out, char letter, std::string_view text);

private:
    [[nodiscard]] bool IsServerList(const std::string& name, std::string& members);
    void WriteMembers(std::string& out, const std::string& members);
    void WriteFoldedLine(std::string& out, std::string_view lead, std::string_view text, char separator,
                         bool withSeparator);
    void WriteListFile(std::string& out, char letter, std::string_view path);
    [[nodiscard]] bool IsPath(std::string_view text) const {
        return text.find_first_of("\\/") != std::string_view::npos;
    }

    RecipientDirectory& directory_;
    std::string hostName_;
    bool expandTo_;
    std::string defaultHost_;
    int sendWrap_;
    unsigned codePage_;
    int expansionDepth_ = 0;
    int envelopeDepth_ = 0;
    std::vector<std::string> expanding_;  // the aliases being expanded, outermost first
};

}  // namespace velmar
