#include "message/RecipientLists.h"

#include <algorithm>
#include <array>

#include "common/Text.h"
#include "encoding/HeaderWords.h"
#include "encoding/QuotedPrintable.h"

namespace velmar {

namespace {

constexpr std::size_t displayNameCapacity = 1024;
constexpr std::size_t shortWordCapacity = 75;
constexpr std::size_t listFileLine = 139;
constexpr std::size_t aliasCapacity = 150;
constexpr std::string_view continuation = ",\n    ";
constexpr std::string_view foldIndent = "         ";

// Removes every run from `open` to the next `close`, delimiters included; stops at the
// first opener without a closer.
void RemoveRuns(std::string& text, char open, char close) {
    for (std::size_t from = 0;;) {
        const std::size_t start = text.find(open, from);
        if (start == std::string::npos) return;
        const std::size_t end = text.find(close, start + 1);
        if (end == std::string::npos) return;
        text.erase(start, end - start + 1);
        from = start;
    }
}

void TrimTrailing(std::string& text, std::string_view what) {
    while (!text.empty() && what.find(text.back()) != std::string_view::npos) text.pop_back();
}

// Encodes `text` into header words. The encoder's own line end is dropped and its folds
// keep only their LF, which the header's text-mode write turns into CR LF: a fold stays
// one CR LF and nothing after it is lost.
std::string EncodeNameText(std::string text, unsigned codePage) {
    std::string encoded = EncodeWordAfterAscii(text, displayNameCapacity, codePage);
    TrimEncoderLineEnd(encoded);
    std::erase(encoded, '\r');
    while (!encoded.empty() && encoded.back() == '\n') encoded.pop_back();
    return encoded;
}

}  // namespace

std::size_t BareAddress(std::string& item) {
    if (item.empty()) return 0;
    RemoveRuns(item, '\'', '\'');
    RemoveRuns(item, '"', '"');
    RemoveRuns(item, '(', ')');
    const std::size_t open = item.find('<');
    if (open != std::string::npos) {
        item.erase(0, open + 1);
        const std::size_t close = item.find('>');
        if (close != std::string::npos) item.erase(close);
    }
    std::size_t lead = 0;
    while (lead < item.size() && (item[lead] == ' ' || item[lead] == '\t')) ++lead;
    item.erase(0, lead);
    TrimTrailing(item, " \n");
    return item.size();
}

std::string SeparateAtLineBreaks(std::string_view list) {
    list = list.substr(0, list.find('\0'));
    std::string out;
    for (std::size_t i = 0; i < list.size();) {
        if (list[i] != '\r' && list[i] != '\n') {
            out += list[i++];
            continue;
        }
        while (i < list.size() && (list[i] == '\r' || list[i] == '\n')) ++i;
        const std::size_t last = out.find_last_not_of(" \t");
        const bool separated = last == std::string::npos || out[last] == ',';
        const bool atEnd = list.find_first_not_of(" \t\r\n", i) == std::string_view::npos;
        out += separated || atEnd ? ' ' : ',';
    }
    return out;
}

void ReduceToBareAddresses(std::string& list) {
    std::string copy = list;
    list.clear();
    // Quoted display names go first, quotes and all; an unmatched quote ends that.
    for (;;) {
        const std::size_t open = copy.find('"');
        if (open == std::string::npos) break;
        const std::size_t close = copy.find('"', open + 1);
        if (close == std::string::npos) break;
        copy.erase(open, close - open + 1);
    }
    // Then comments, whose commas do not separate either.
    RemoveRuns(copy, '(', ')');
    std::size_t start = 0;
    while (start <= copy.size()) {
        std::size_t comma = copy.find(',', start);
        const bool last = comma == std::string::npos;
        if (last) comma = copy.size();
        std::string item = copy.substr(start, comma - start);
        if (BareAddress(item) > 0) {
            const std::size_t blank = item.rfind(' ');
            if (blank != std::string::npos) item.erase(0, blank + 1);
            list += item;
        }
        if (last) break;
        if (!list.empty() && list.back() != ',') list += ',';
        start = comma + 1;
    }
    // A separator is written only between items.
    if (!list.empty() && list.back() == ',') list.pop_back();
}

std::string CutListItem(std::string_view& rest) {
    bool quoted = false;
    std::size_t i = 0;
    for (; i < rest.size(); ++i) {
        if (rest[i] == '"') {
            quoted = !quoted;
        } else if (rest[i] == '(' && !quoted) {
            // A comment runs to its closing parenthesis: "alice@x.org (Smith, Alice)" is one
            // item. An opener without a closer is an ordinary character.
            const std::size_t close = rest.find(')', i + 1);
            if (close != std::string_view::npos) i = close;
        } else if (rest[i] == ',' && !quoted) {
            break;
        }
    }
    std::string item(rest.substr(0, i));
    rest = i < rest.size() ? rest.substr(i + 1) : std::string_view{};
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return item;
}

void TrimEncoderLineEnd(std::string& encoded) {
    std::size_t at = encoded.rfind('\r');
    if (at == std::string::npos) at = encoded.rfind('\n');
    if (at != std::string::npos && encoded.size() - at < 3) encoded.erase(at);
}

bool RecipientWriter::IsServerList(const std::string& name, std::string& members) {
    std::array<char, aliasMembersSize> buffer{};
    if (directory_.AliasMembers(hostName_, name, buffer) <= 0) return false;
    members = std::string(TextInArea(buffer.data(), buffer.size()));
    // Members end at a line break: what follows would become a header line of its own.
    members.erase(std::min(members.find_first_of("\r\n"), members.size()));
    return !EqualsNoCase(members, name) && !IsPath(members);
}

void RecipientWriter::WriteMembers(std::string& out, const std::string& members) {
    std::string_view rest = members;
    bool first = true;
    while (!rest.empty()) {
        if (!first) out += continuation;
        first = false;
        ++expansionDepth_;
        rest = NextAddressItem(out, rest);
        --expansionDepth_;
    }
}

void RecipientWriter::WriteAddressHeader(std::string& out, std::string_view label, std::string_view list,
                                         char separator) {
    if (!expandTo_) {
        WriteFoldedList(out, label, list, separator);
        return;
    }
    // Empty items (a doubled comma, a trailing one) would become a bare "@host".
    std::string copy;
    for (std::string_view items = list; !items.empty();) {
        while (!items.empty() && items.front() == ' ') items.remove_prefix(1);
        const std::string item = CutListItem(items);
        if (item.find_first_not_of(" \t") == std::string::npos) continue;
        if (!copy.empty()) copy += ", ";
        copy += item;
    }
    std::string_view rest = copy;
    while (!rest.empty()) {
        out += label;
        out += ' ';
        for (int onLine = 1; !rest.empty(); ++onLine) {
            rest = NextAddressItem(out, rest);
            if (onLine < 6 && !rest.empty()) {
                out += continuation;
            } else {
                out += '\n';
                break;
            }
        }
    }
}

std::string_view RecipientWriter::NextAddressItem(std::string& out, std::string_view rest) {
    const std::string item = CutListItem(rest);
    WriteAddressItem(out, item);
    return rest;
}

bool RecipientWriter::WriteAddressItem(std::string& out, std::string_view itemText) {
    std::string item(itemText);
    if (expansionDepth_ > maxDepth) {
        if (directory_.HasMailAddress(item)) return false;
        out += item + "@" + hostName_;
        return true;
    }

    if (item.find('@') != std::string::npos) {
        std::string text = item;
        if (text.find('<') == std::string::npos) {
            TrimTrailing(text, " \n");
            if (!text.empty() && text.back() == ')') {
                // An address followed by a comment.
                const std::size_t blank = text.find(' ');
                if (blank != std::string::npos) text.insert(blank, 1, '>');
                else text += '>';
                text.insert(std::size_t{0}, 1, '<');
            } else {
                // A display name (or nothing) and the address.
                const std::size_t blank = text.rfind(' ');
                text += '>';
                text.insert(blank == std::string::npos ? 0 : blank + 1, 1, '<');
            }
        }
        if (HasEightBit(text)) {
            // Only the display name is encoded; the address in angle brackets stays whole.
            const std::size_t open = text.find('<');
            std::string name = text.substr(0, open);
            const std::string address = open == std::string::npos ? std::string() : text.substr(open);
            while (!name.empty() && name.back() == ' ') name.pop_back();
            text = HasEightBit(name) ? EncodeNameText(name, codePage_) : name;
            if (!text.empty() && !address.empty()) text += ' ';
            text += address;
        }
        out += text;
        return true;
    }

    const std::size_t open = item.find('<');
    if (open != std::string::npos) {
        // A local name in angle brackets.
        const std::size_t close = item.find('>', open + 1);
        const std::string name =
            item.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        std::string members;
        if (IsServerList(name, members)) {
            WriteMembers(out, members);
        } else if (close == std::string::npos) {
            out += "<" + name + "@" + hostName_ + ">";
        } else {
            out += item.substr(0, close) + "@" + hostName_ + ">";
        }
        return true;
    }

    // A local name, possibly followed by a blank and a comment.
    const std::size_t gt = item.find('>');
    if (gt != std::string::npos) item.erase(gt);
    std::string members;
    const std::size_t blank = item.find(' ');
    if (blank != std::string::npos) {
        const std::string name = item.substr(0, blank);
        const std::string comment = item.substr(blank + 1);
        if (IsServerList(name, members)) {
            WriteMembers(out, members);
        } else {
            out += name + "@" + hostName_ + " " + comment;
        }
        return true;
    }
    if (IsServerList(item, members)) {
        WriteMembers(out, members);
        return true;
    }
    std::array<char, aliasMembersSize> buffer{};
    std::string host = hostName_;
    if (directory_.AliasMembers(hostName_, item, buffer) <= 0 && !directory_.HasMailAddress(item)) {
        if (!defaultHost_.empty()) host = defaultHost_;
    }
    out += item + "@" + host;
    return true;
}

void RecipientWriter::WriteFoldedLine(std::string& out, std::string_view lead, std::string_view text, char separator,
                                      bool withSeparator) {
    out += lead;
    if (!HasEightBit(text)) {
        out += text;
    } else {
        // Quoted display names with national characters become encoded words in quotes.
        while (true) {
            const std::size_t quote = text.find('"');
            if (quote == std::string_view::npos || !HasEightBit(text)) break;
            out += text.substr(0, quote + 1);
            text.remove_prefix(quote + 1);
            const std::size_t closing = text.find('"');
            const std::string_view run = text.substr(0, closing);
            out += HasEightBit(run) ? EncodeNameText(std::string(run), codePage_) : std::string(run);
            out += '"';
            text = closing == std::string_view::npos ? std::string_view{} : text.substr(closing + 1);
        }
        out += text;
    }
    if (withSeparator) out += separator;
    out += '\n';
}

void RecipientWriter::WriteFoldedList(std::string& out, std::string_view label, std::string_view list,
                                      char separator) {
    const std::string labelLead = std::string(label) + " ";
    if (static_cast<long>(label.size() + list.size() + 1) < sendWrap_ ||
        list.find(separator) == std::string_view::npos) {
        WriteFoldedLine(out, labelLead, list, separator, false);
        return;
    }
    bool first = true;
    while (!list.empty()) {
        const std::size_t at = list.find(separator);
        const bool hasSeparator = at != std::string_view::npos;
        const std::string_view item = list.substr(0, at);
        WriteFoldedLine(out, first ? std::string_view(labelLead) : foldIndent, item, separator, hasSeparator);
        first = false;
        list = hasSeparator ? list.substr(at + 1) : std::string_view{};
    }
}

void RecipientWriter::WriteEnvelopeRecipients(std::string& out, std::string_view list) {
    std::string copy(list);
    std::string_view rest = copy;
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    while (!rest.empty()) {
        const std::string item = CutListItem(rest);
        WriteEnvelopeItem(out, 'N', item);
        WriteEnvelopeItem(out, 'R', item);
    }
}

void RecipientWriter::WriteEnvelopeItem(std::string& out, char letter, std::string_view received) {
    std::string item(received);
    item.erase(std::min(item.find('\n'), item.size()));
    item.erase(std::min(item.find('>'), item.size()));
    const std::size_t open = item.find('<');
    std::string address = open == std::string::npos ? item : item.substr(open + 1);
    if (address.find('(') != std::string::npos) {
        RemoveRuns(address, '(', ')');
        std::erase(address, ' ');
    }

    std::string name = address;
    const std::size_t at = address.find('@');
    if (at != std::string::npos) {
        if (!EqualsNoCase(std::string_view(address).substr(at + 1), hostName_)) {
            WriteEnvelopeLine(out, letter, address);  // another domain
            return;
        }
        std::string local = address;
        if (!local.empty() && local.front() == '@' && local.find(':') != std::string::npos)
            local.erase(0, local.find(':') + 1);
        const std::size_t localAt = local.find('@');
        if (localAt == std::string::npos || !EqualsNoCase(std::string_view(local).substr(localAt + 1), hostName_)) {
            WriteEnvelopeLine(out, letter, address);
            return;
        }
        name = local.substr(0, localAt);
    }

    std::string value;
    if (directory_.LookupAlias(name, value) == 0) {
        if (IsPath(name) && directory_.ReadListFile(name).has_value()) WriteListFile(out, letter, name);
        else WriteEnvelopeLine(out, letter, address);
        return;
    }
    CutTo(value, aliasCapacity - 1);
    // Each alias level writes its members in the pass for either letter, so the work
    // doubles per level: an alias met again inside its own expansion is written as it
    // stands instead of going round the loop until the depth limit.
    const bool looping = std::find(expanding_.begin(), expanding_.end(), name) != expanding_.end();
    if (value == received || envelopeDepth_ > maxDepth || looping) {
        WriteEnvelopeLine(out, letter, value);
    } else if (IsPath(value) && directory_.ReadListFile(value).has_value()) {
        WriteListFile(out, letter, value);
    } else {
        ++envelopeDepth_;
        expanding_.push_back(name);
        WriteEnvelopeRecipients(out, value);
        expanding_.pop_back();
        --envelopeDepth_;
    }
}

void RecipientWriter::WriteListFile(std::string& out, char letter, std::string_view path) {
    const auto text = directory_.ReadListFile(path);
    if (!text) return;
    std::string_view rest = *text;
    while (!rest.empty()) {
        // One line, or the next piece of a longer one; a lone CR ends a line as LF does.
        std::size_t n = std::min(rest.find_first_of("\r\n"), rest.size());
        if (n < rest.size()) ++n;  // with its line end
        if (n > listFileLine) n = listFileLine;
        const std::string_view line = rest.substr(0, n);
        rest.remove_prefix(n);
        const char first = line.front();
        if (first == ' ' || first == '\n' || first == '\r' || first == ';' || first == '#' || line.size() < 3) continue;
        WriteEnvelopeLine(out, letter, line);
    }
}

void RecipientWriter::WriteEnvelopeLine(std::string& out, char letter, std::string_view textIn) {
    std::string_view text = textIn.substr(0, textIn.find('\n'));
    const std::size_t open = text.find('<');
    if (open != std::string_view::npos) text.remove_prefix(open + 1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    // A carriage return or NUL would end the control file's line early.
    text = text.substr(0, text.find_first_of(std::string_view("\r\0", 2)));
    if (text.empty()) {
        // Nothing after the angle bracket ("john<"): the text before it, so that the line
        // is still written.
        text = textIn.substr(0, std::min(textIn.find('<'), textIn.find_first_of(std::string_view("\r\n\0", 3))));
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        if (text.empty()) return;
    }
    std::string address(text);
    if (HasEightBit(address)) {
        std::string source = address;
        address = EncodeWordAfterAscii(source, shortWordCapacity, codePage_);
        TrimEncoderLineEnd(address);
    }
    out += letter;
    out += '<';
    out += address;
    if (address.find('>') == std::string::npos) out += '>';
    out += '\n';
}

}  // namespace velmar
