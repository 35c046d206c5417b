// The attachment list of the message being composed: owner of the entries from the first
// AddAttachment to ClearAttachments, most recently added first.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/Capacities.h"
#include "config/AppConfig.h"
#include "config/SettingsStore.h"
#include "encoding/AttachmentFiles.h"

namespace velmar {

struct AttachmentEntry {
    std::string path;         // the file to attach
    std::string displayName;  // the name in the part header and in "X-Attachments:"; may be empty
    bool isBinary = false;    // sent encoded: by its content, or by its extension at send time
};

class AttachmentList {
public:
    // Puts a new entry in front of the list.
    void Add(AttachmentEntry entry) {
        entries_.push_back(std::move(entry));
        std::rotate(entries_.begin(), entries_.end() - 1, entries_.end());
    }
    // Empties the list (after a message was sent, and at start-up).
    void ClearAttachments() { entries_.clear(); }

    // The entries from the most recently added to the first one.
    [[nodiscard]] const std::vector<AttachmentEntry>& Entries() const { return entries_; }
    // The number of files added since the list was last cleared (attachmentCount).
    [[nodiscard]] std::size_t Count() const { return entries_.size(); }
    [[nodiscard]] bool Empty() const { return entries_.empty(); }

    // Marks an entry for encoded sending, for good (the extension list at send time).
    void MarkBinary(std::size_t index) { entries_.at(index).isBinary = true; }

private:
    std::vector<AttachmentEntry> entries_;
};

// Whether a byte may stand in a text attachment: TAB, LF, form feed, CR, or 0x20 to 0x7F.
[[nodiscard]] bool IsTextByte(unsigned char c);

// Whether the first bytes of a file (at most 1024 are looked at) make it binary: a byte
// of 0x80 or more, or a control byte other than TAB, LF, form feed and CR.
[[nodiscard]] bool IsBinaryContent(std::string_view head);
// The same for the file at `path`; a file that cannot be opened counts as text.
[[nodiscard]] bool IsBinaryContent(AttachmentFiles& files, std::string_view path);

// Adds the file at `path` in front of `list`. Recomputes the user's profile path and
// refreshes config.optAttach from the settings ("OPT_ATTACH" in the user's section,
// default 0), then tests the file's content. False only when no memory could be had (the
// caller then does not count the file).
[[nodiscard]] bool AddAttachment(AttachmentList& list, SettingsStore& settings, AppConfig& config,
                                 AttachmentFiles& files, std::string_view path, std::string_view displayName);

// The name an attachment is shown and sent under by default: the last component of its
// path (after its last backslash, double-byte aware); the whole path when that would be
// empty.
[[nodiscard]] std::string DisplayNameOfPath(std::string_view path, unsigned codePage);

// The text of the compose window's attachment field: "+attachments: " followed by each
// display name and ", " after each, in list order; empty for an empty list; at most 1023
// characters.
[[nodiscard]] std::string ShowAttachmentList(const AttachmentList& list);

}  // namespace velmar
