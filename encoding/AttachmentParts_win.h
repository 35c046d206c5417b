// Attachments on Windows: adding files to the list and appending their parts to the
// message body file.
#pragma once

#include <string_view>

#include "config/AppConfig.h"
#include "config/SettingsStore.h"
#include "encoding/AttachmentList.h"

namespace velmar {

// AddAttachment over the real files.
[[nodiscard]] bool AddAttachment(AttachmentList& list, SettingsStore& settings, AppConfig& config,
                                 std::string_view path, std::string_view displayName);

// The path of the binary-extension list: "binext.txt" in the server's top directory
// ("MAILDIR" of "_GLOBAL", at most 79 characters); empty when that is not set.
[[nodiscard]] std::string BinaryExtensionListPath(SettingsStore& settings);

// Appends the parts of every attachment to the message body file at `messagePath`, opened
// for appending in text mode (each "\n" becomes CR LF on disk), with the options, spool
// directory and code page of this machine. False when the file could not be opened or a
// write failed; the list itself is left as it is (the sender clears it).
bool WriteAttachmentParts(AttachmentList& list, SettingsStore& settings, const AppConfig& config,
                          std::string_view messagePath, std::string_view boundary, unsigned codePage = 0);

}  // namespace velmar
