// The address book's list of known addresses and the operations that change it and its
// stores. The list's order is the order shown: load order when unsorted, else sorted by
// text ignoring case. Server aliases and the alias name index are changed at once; the
// alias files only on save, which the modified flag asks for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "addressbook/AddressCache.h"
#include "addressbook/AddressEntry.h"
#include "addressbook/AliasStores.h"
#include "resources/resource.h"

namespace velmar {

struct AddressItem {
    std::string text;
    EntryKind kind = EntryLocalUser;
    bool operator==(const AddressItem&) const = default;
};

// The entry being edited: its name, its address or list path, and its kind.
struct EntryDraft {
    std::string name;
    std::string address;
    EntryKind kind = EntryPersonal;
};

// Which entry commands are open for the shown list's selection, and the kind label's
// string id (0: empty label).
struct EntryButtons {
    bool modify = false;
    bool remove = false;
    bool save = false;
    unsigned kindLabel = 0;
};
[[nodiscard]] EntryButtons ButtonsFor(std::size_t selectedCount, EntryKind currentKind, bool modified);


class AddressModel {
public:
    // With a cache, an alias file is parsed again only once it has changed.
    AddressModel(AliasStores& stores, bool sorted, AddressCache* cache = nullptr)
        : stores_(stores), sorted_(sorted), cache_(cache) {}

    // Fills the list from every store: personal file, shared file, server aliases (those
    // feeding a program left out), local users. Clears the modified flag.
    void Load();

    // Stores the edited entry, replacing the entry at `oldIndex` when given. Returns the
    // new entry's place, or nothing when it shows no text or the same text is already
    // listed.
    std::optional<std::size_t> Store(EntryDraft draft, std::optional<std::size_t> oldIndex);

    // Deletes the entries at these places (local users are kept). Returns the places of
    // the local users that were kept, so that their selection can be cleared.
    std::vector<std::size_t> Delete(std::vector<std::size_t> indexes);

    // The draft for modifying the entry at `index`.
    [[nodiscard]] EntryDraft DraftOf(std::size_t index) const;

    // The places of the entries whose text contains `search` ignoring case.
    [[nodiscard]] std::vector<std::size_t> Matching(std::string_view search) const;
    // The place of the entry with exactly this text.
    [[nodiscard]] std::optional<std::size_t> Find(std::string_view text) const;

    // Writes the shared or personal entries back to their file when they changed since the
    // load or the last save (AliasFileWith: the lines not changed stay byte for byte);
    // returns the paths that could not be written (each file is tried; a failed one is
    // tried again by the next save). Clears the modified flag.
    std::vector<std::string> Save();

    [[nodiscard]] const std::vector<AddressItem>& Items() const { return items_; }
    [[nodiscard]] bool Modified() const { return modified_; }
    void ClearModified() { modified_ = sharedChanged_ = personalChanged_ = false; }
    [[nodiscard]] bool Sorted() const { return sorted_; }

private:
    std::size_t Insert(AddressItem item, std::optional<std::size_t> at);
    void ForgetServerAlias(const std::string& name);
    void MarkChanged(EntryKind kind);

    AliasStores& stores_;
    bool sorted_;
    AddressCache* cache_;
    bool modified_ = false;
    bool sharedChanged_ = false;
    bool personalChanged_ = false;
    std::vector<AddressItem> items_;
};

// Every known address whose display text contains `typed` ignoring case, in this order:
// local users, the alias name index (each name with its target), the shared alias file,
// the personal alias file. With a cache, the stores are read and indexed again only once
// one of their files has changed.
[[nodiscard]] std::vector<std::string> CompletionCandidates(AliasStores& stores, std::string_view typed,
                                                            AddressCache* cache = nullptr);

}  // namespace velmar
