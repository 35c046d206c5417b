#include "startup/Switches.h"

#include <optional>
#include <string>

#include "common/Text.h"

namespace velmar {

namespace {

// Where the characters of the current value go: a field with its capacity, or nowhere.
struct Target {
    std::string* field = nullptr;
    std::size_t capacity = 0;
    bool* cutMark = nullptr;  // set when a character did not fit

    void Put(char c) const {
        if (field == nullptr) return;
        if (field->size() < capacity) *field += c;
        else if (cutMark != nullptr) *cutMark = true;
    }
    void Start(std::string& to, std::size_t room, bool* cut = nullptr) {
        field = &to;
        capacity = room;
        cutMark = cut;
        field->clear();
        if (cutMark != nullptr) *cutMark = false;
    }
};

constexpr char defaultQuote = '\x7F';

bool IsQuote(char c) { return c == '"' || c == '\'' || c == defaultQuote; }

// The recipient lists of the switches: whole in the request, cut to what the window's
// fields hold in the fields.
void KeepLists(std::optional<std::string> (&lists)[3], ParsedCommandLine& parsed) {
    CommandRequest& request = parsed.request;
    std::string* fields[3] = {&parsed.fields.to, &parsed.fields.cc, &parsed.fields.bcc};
    std::optional<std::string>* texts[3] = {&request.toText, &request.ccText, &request.bccText};
    for (int k = 0; k < 3; ++k) {
        if (!lists[k]) continue;
        *fields[k] = CutCopy(*lists[k], cap::addressField);
        *texts[k] = std::move(*lists[k]);
    }
    request.toGiven = request.toGiven || request.toText.has_value();
}

}  // namespace

bool ParseSwitches(std::string_view commandLine, ParsedCommandLine& parsed) {
    const std::size_t end = commandLine.find_first_of("\r\n");
    const std::string_view text = commandLine.substr(0, end);
    std::size_t i = text.find('-');
    if (i == std::string_view::npos) return true;

    CommandRequest& request = parsed.request;
    std::string hostName;
    std::string userId;
    // Recipient lists are kept whole: cutting one could end it inside an address.
    std::optional<std::string> lists[3];  // -t, -c, -b
    Target target;  // before the first switch: nowhere
    while (i < text.size()) {
        // At a hyphen: the switch letter.
        const std::size_t hyphen = i++;
        if (i >= text.size()) break;  // a lone hyphen at the end
        const char letter = text[i++];
        switch (letter) {
        case 'a': target.Start(request.attachPath, cap::attachPath, &request.attachPathCut); break;
        case 'b': target.Start(lists[2].emplace(), std::string::npos); break;
        case 'c': target.Start(lists[1].emplace(), std::string::npos); break;
        case 'e': request.encodeBody = true; break;
        case 'f':
            target.Start(request.bodyPath, cap::bodyPath, &request.bodyPathCut);
            request.sendNow = true;
            break;
        case 'h':
            target.Start(hostName, cap::hostOverride);
            parsed.hostName.emplace();
            break;
        case 'i': target.Start(request.bodyPath, cap::bodyPath, &request.bodyPathCut); break;
        case 'r': parsed.returnReceipt = true; break;
        case 's': target.Start(parsed.fields.subject, cap::subjectField); break;
        case 't': target.Start(lists[0].emplace(), std::string::npos); break;
        case 'u':
            target.Start(userId, cap::userOverride);
            parsed.userId.emplace();
            break;
        default:
            parsed.rejectedText = std::string(text.substr(hyphen));
            KeepLists(lists, parsed);
            return false;
        }

        // The value: skip blanks, then an opening quote makes it a quoted value.
        while (i < text.size() && text[i] == ' ') ++i;
        char quote = defaultQuote;
        bool quoted = false;
        if (i < text.size() && IsQuote(text[i])) {
            quote = text[i++];
            quoted = true;
        }
        while (i < text.size() && (quoted || text[i] != '-')) {
            const char c = text[i];
            if (c == quote) {
                if (quoted) {
                    quoted = false;
                    ++i;
                    while (i < text.size() && (text[i] == ' ' || text[i] == quote)) ++i;
                    continue;
                }
                quoted = true;
                ++i;
                continue;
            }
            target.Put(c);
            ++i;
        }
    }
    KeepLists(lists, parsed);
    if (parsed.hostName.has_value()) parsed.hostName = hostName;
    if (parsed.userId.has_value()) parsed.userId = userId;
    return true;
}

}  // namespace velmar
