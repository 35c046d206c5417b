// The address book's stores over the real files and registry, and the operations of the
// address book that touch files and edit boxes directly.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/WholeFiles_win.h"
#include "addressbook/AddressCache.h"
#include "addressbook/AliasStores.h"
#include "config/AppConfig.h"
#include "config/SettingsStore.h"

namespace velmar {

// The key the address list enumerates for server aliases (under HKEY_LOCAL_MACHINE).
inline constexpr char kAliasListKey[] = "SOFTWARE\\Brindle\\Velmar\\_aliases";

// Tells the user about a failed file step: the string id of what failed and the path. The
// shell shows a message box with an error icon (NoticeFor); tests record the call instead.
using FailureNotice = std::function<void(unsigned textId, const std::string& path)>;

// Everything the address book works with: the program's instance (string table, dialog
// templates), the message box caption, the configuration and settings, and how failures
// are shown.
struct AddressBookContext {
    HINSTANCE instance = nullptr;
    std::string appTitle;
    AppConfig& config;
    SettingsStore& settings;
    FailureNotice notice;  // empty: a message box owned by the dialog or window at hand
    AddressCache* cache = nullptr;  // the compose window's, kept between openings; null: read each time
};

// Adds `name` to the alias name index at `path` (created when missing) unless a line
// already equals it ignoring case. True when added.
bool AddNameToListFile(const std::string& name, const std::string& path);

// Removes `name` from the alias name index: the index without it is written to the ".new"
// file beside it; when the name was there, the old index becomes the ".bak" file and the
// ".new" file takes its place. True when the name was removed. "failed to open" is shown
// with the path that could not be opened or created as caption.
bool RemoveNameFromListFile(const std::string& name, const std::string& path, const FailureNotice& notice);

// Inserts the lines of a list file at the caret of `box`, each ended by CR LF.
void LoadListContents(const std::string& path, HWND box);
// Inserts each recipient at the caret of `box`, followed by CR LF.
void CopyRecipientsToContents(HWND box, const std::vector<std::string>& recipients);
// Writes the box's text, exactly and whole, to the list file `path` (safely replaced).
// Nothing is written, and false returned, when `aliasName` or `path` or the box is empty;
// false with "Failed to open the file!" (the path as caption) when it cannot be written.
bool SaveListContents(HWND box, const std::string& aliasName, const std::string& path, const FailureNotice& notice);

class Win32AliasStores final : public AliasStores {
public:
    Win32AliasStores(const AddressBookContext& context, FailureNotice notice)
        : context_(context), notice_(std::move(notice)) {}

    std::string PersonalAliasPath() override;
    std::string SharedAliasPath() override;
    std::string HostName() override { return context_.config.hostName; }
    std::optional<std::string> ReadBytes(const std::string& path) override { return ReadFileBytes(path); }
    std::string FileStamp(const std::string& path) override;
    bool ReplaceFile(const std::string& path, const std::string& bytes) override {
        return ReplaceFileSafely(path, bytes);
    }
    std::vector<std::pair<std::string, std::string>> ListServerAliases() override;
    std::string ServerAliasTarget(const std::string& name) override;
    void PutServerAlias(const std::string& name, const char* target) override;
    std::string LocalUsersPath() override { return context_.config.usersSysPath; }
    std::string FullName(const std::string& userId) override;
    std::string NameIndexPath() override { return context_.config.aliasesSysPath; }
    bool AddToNameIndex(const std::string& name) override { return AddNameToListFile(name, NameIndexPath()); }
    bool RemoveFromNameIndex(const std::string& name) override {
        return RemoveNameFromListFile(name, NameIndexPath(), notice_);
    }

private:
    const AddressBookContext& context_;
    FailureNotice notice_;
};

// The notice of a context: its own, or a message box owned by `owner` (null: the active
// window when the failure happens) with an error icon:
// "Open failed" as caption over the path, every other text over the path as caption.
[[nodiscard]] FailureNotice NoticeFor(const AddressBookContext& context, HWND owner);

}  // namespace velmar
