#include "encoding/AttachmentParts_win.h"

#include <windows.h>

#include <string>

#include "common/TextMode.h"
#include "common/WideText_win.h"
#include "encoding/AttachmentFiles_win.h"
#include "encoding/AttachmentParts.h"
#include "common/BufferedFile_win.h"

namespace velmar {

bool AddAttachment(AttachmentList& list, SettingsStore& settings, AppConfig& config, std::string_view path,
                   std::string_view displayName) {
    Win32AttachmentFiles files;
    return AddAttachment(list, settings, config, files, path, displayName);
}

std::string BinaryExtensionListPath(SettingsStore& settings) {
    std::string mailDir;
    settings.GetConfigString("_GLOBAL", "MAILDIR", "", mailDir, 80, ProfileShared);
    if (mailDir.empty()) return {};
    return mailDir + "\\binext.txt";
}

bool WriteAttachmentParts(AttachmentList& list, SettingsStore& settings, const AppConfig& config,
                          std::string_view messagePath, std::string_view boundary, unsigned codePage) {
    BufferedFile message;
    if (!message.Open(std::string(messagePath).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_ALWAYS)) return false;
    BufferedFileSink raw(message);
    TextModeSink text(raw);

    AttachmentPartOptions options;
    options.boundary = boundary;
    options.optAttach = config.optAttach != 0;
    options.uuencode = config.uuencode != 0;
    options.spoolDir = config.spoolDir;
    options.binextPath = BinaryExtensionListPath(settings);
    options.codePage = codePage != 0 ? codePage : ::GetACP();
    if (codePage == CP_UTF8) options.nameInMessage = [](std::string_view name) { return WideToUtf8(AnsiToWide(name)); };
    options.onRefill = [] { ::Sleep(0); };

    Win32AttachmentFiles files;
    const bool written = WriteAttachmentParts(list, text, files, options);
    const bool closed = message.Close();
    return written && closed;
}

}  // namespace velmar
