// Texts the compose window shows, by string resource id, with the literal used when the
// string resource cannot be loaded. Where the two differ the literal is the older wording.
#pragma once

#include <string>
#include <string_view>

#include "resources/resource.h"

namespace velmar {

struct FallbackText {
    int id;
    std::string_view fallback;
};

inline constexpr FallbackText kWindowTexts[] = {
    {IDS_OPEN_FAILED, "open failed"},
    {IDS_INCLUDE_TRUNCATED, "Included file will be trunctated at 60000 characters. Include as attachment instead?"},
    {IDS_MESSAGE_FILTER, "Text Files(*.txt)|*.txt|Messages(*.msg)|*.msg|All Files(*.*)|*.*||"},
    {IDS_LOAD_TITLE, "Load message text"},
    {IDS_BODY_TRUNCATED, "Not enough mem avail, body truncated"},
    {IDS_LOCK_FAILED, "Failed to lock memory"},
    {IDS_SAVE_TITLE, "Save message text as..."},
    {IDS_TEXT_FILTER, "Text Files(*.txt)|*.txt|All Files(*.*)|*.*||"},
    {IDS_IMPORT_TITLE, "Import ASCII file"},
    {IDS_PASTE_FILE_CAPTION, "paste file"},
    {IDS_PASTE_LOCK_FAILED, "lock failed"},
    {IDS_PASTE_ALLOC_FAILED, "alloc failed"},
    {IDS_ALLOC_FAILED, "Failed to allocate memory"},
    {IDS_NAME_TOO_LONG, "The path of the chosen file is longer than 159 characters. Please choose a file with a shorter path."},
    {IDS_VERSION_WORD, "Version"},
    {IDS_APP_TITLE, "VELMAR"},  // the About box's fallback; the window title falls back to "VELMAR1"
};

// The fallback literal of a window text, or an empty text for an id not listed.
[[nodiscard]] constexpr std::string_view WindowTextFallback(int id) {
    for (const FallbackText& t : kWindowTexts)
        if (t.id == id) return t.fallback;
    return {};
}

// A file dialog's filter list from a filter text: every "|" becomes a NUL, and the list
// ends at the first two NULs (what follows "||" is ignored). The result always ends in two
// NULs, so it can be handed to the dialog as it is.
[[nodiscard]] std::string FilterList(std::string_view filterText);

}  // namespace velmar
