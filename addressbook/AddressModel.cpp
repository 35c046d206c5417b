#include "addressbook/AddressModel.h"

#include <algorithm>
#include <tuple>

#include "addressbook/StoreFiles.h"
#include "common/Text.h"

namespace velmar {
namespace {

bool LessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

std::vector<std::string> LinesOf(AliasStores& stores, const std::string& path) {
    const auto bytes = stores.ReadBytes(path);
    return bytes ? SplitTextLines(*bytes) : std::vector<std::string>{};
}

std::string LocalUserText(AliasStores& stores, const std::string& userId) {
    return LocalUserDisplay(userId, CutCopy(stores.FullName(userId), cap::fullName));
}

std::vector<std::string> ParseAliasFile(AliasStores& stores, const std::string& path) {
    std::vector<std::string> texts;
    for (const std::string& line : LinesOf(stores, path)) {
        std::string text = AliasLineDisplay(line);
        if (!text.empty()) texts.push_back(std::move(text));
    }
    return texts;
}

// The display texts of an alias file's entries; from the cache while the file is unchanged.
std::vector<std::string> ShownTexts(AliasStores& stores, const std::string& path, AddressCache* cache) {
    if (cache == nullptr) return ParseAliasFile(stores, path);
    const std::string stamp = stores.FileStamp(path);
    AddressCache::ShownFile& file = cache->aliasFiles[path];
    if (file.stamp != stamp || stamp.empty()) file = {stamp, ParseAliasFile(stores, path)};
    return file.texts;
}

// Every candidate of completion, in its order, into `index`.
void IndexCandidates(AliasStores& stores, CompletionIndex& index, AddressCache* cache) {
    index.Clear();
    for (const std::string& user : LinesOf(stores, stores.LocalUsersPath()))
        if (!user.empty()) index.Add(LocalUserText(stores, user));
    const std::string host = stores.HostName();
    for (const std::string& line : LinesOf(stores, stores.NameIndexPath())) {
        const std::string name = line.substr(0, line.find(' '));
        if (name.empty()) continue;
        const std::string target = CutCopy(stores.ServerAliasTarget(name), cap::aliasTarget - 1);
        index.Add(target.empty() ? name : ServerAliasEntry(name, target, host).text);
    }
    for (const std::string& path : {stores.SharedAliasPath(), stores.PersonalAliasPath()})
        for (std::string& text : ShownTexts(stores, path, cache)) index.Add(std::move(text));
}

}  // namespace

EntryButtons ButtonsFor(std::size_t selectedCount, EntryKind currentKind, bool modified) {
    EntryButtons b;
    b.modify = selectedCount == 1;
    b.remove = selectedCount >= 1;
    b.save = modified;
    if (selectedCount == 0) return b;
    switch (currentKind) {
    case EntryShared: b.kindLabel = IDS_KIND_SHARED; break;
    case EntryPersonal: b.kindLabel = IDS_KIND_PERSONAL; break;
    case EntryList: b.kindLabel = IDS_KIND_LIST; break;
    case EntryAlias: b.kindLabel = IDS_KIND_ALIAS; break;
    default:
        b.kindLabel = IDS_KIND_LOCAL;
        b.modify = b.remove = false;
        break;
    }
    return b;
}

std::size_t AddressModel::Insert(AddressItem item, std::optional<std::size_t> at) {
    std::size_t place = items_.size();
    if (sorted_) {
        place = static_cast<std::size_t>(
            std::upper_bound(items_.begin(), items_.end(), item.text,
                             [](const std::string& text, const AddressItem& i) { return LessNoCase(text, i.text); }) -
            items_.begin());
    } else if (at && *at <= items_.size()) {
        place = *at;
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(place), std::move(item));
    return place;
}

void AddressModel::Load() {
    modified_ = sharedChanged_ = personalChanged_ = false;
    items_.clear();
    // Appended in load order, then sorted once: the order inserting each in its sorted
    // place gives, without moving the list once per entry.
    for (const auto& [path, kind] : {std::pair{stores_.PersonalAliasPath(), EntryPersonal},
                                     std::pair{stores_.SharedAliasPath(), EntryShared}})
        for (std::string& text : ShownTexts(stores_, path, cache_)) items_.push_back({std::move(text), kind});
    const std::string host = stores_.HostName();
    for (const auto& [name, target] : stores_.ListServerAliases()) {
        if (IsProgramTarget(target)) continue;
        ShownEntry shown = ServerAliasEntry(name, target, host);
        items_.push_back({std::move(shown.text), shown.kind});
    }
    for (const std::string& user : LinesOf(stores_, stores_.LocalUsersPath()))
        if (!user.empty()) items_.push_back({LocalUserText(stores_, user), EntryLocalUser});
    if (sorted_)
        std::stable_sort(items_.begin(), items_.end(),
                         [](const AddressItem& a, const AddressItem& b) { return LessNoCase(a.text, b.text); });
}

void AddressModel::ForgetServerAlias(const std::string& name) {
    stores_.PutServerAlias(name, nullptr);
    stores_.RemoveFromNameIndex(name);
}

std::optional<std::size_t> AddressModel::Store(EntryDraft draft, std::optional<std::size_t> oldIndex) {
    CutTo(draft.name, cap::entryName);
    CutTo(draft.address, cap::entryPath);
    if (oldIndex && *oldIndex < items_.size()) {
        const AddressItem old = items_[*oldIndex];
        if (old.kind == EntryAlias || old.kind == EntryList || draft.kind == EntryList)
            ForgetServerAlias(AliasNameOf(old.text, old.kind));
        else
            MarkChanged(old.kind);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(*oldIndex));
    } else {
        oldIndex.reset();
    }
    const bool server = draft.kind == EntryAlias || draft.kind == EntryList;
    if (server) {
        stores_.AddToNameIndex(draft.name);
        stores_.PutServerAlias(draft.name, draft.address.c_str());
    }
    std::string text;
    if (!draft.address.empty() && !draft.name.empty() && server && IsListTarget(draft.address)) {
        text = ListDisplay(draft.name, stores_.HostName());
        draft.kind = EntryList;
    } else {
        text = EntryDisplay(draft.name, draft.address);
    }
    if (text.empty() || Find(text)) return std::nullopt;
    const std::size_t place = Insert({std::move(text), draft.kind}, oldIndex);
    if (draft.kind == EntryShared || draft.kind == EntryPersonal) MarkChanged(draft.kind);
    return place;
}

std::vector<std::size_t> AddressModel::Delete(std::vector<std::size_t> indexes) {
    if (indexes.size() > cap::selectionBatch) indexes.resize(cap::selectionBatch);
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    std::vector<std::size_t> kept;
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) {
        if (*it >= items_.size()) continue;
        const AddressItem& item = items_[*it];
        switch (item.kind) {
        case EntryLocalUser: kept.push_back(*it); continue;
        case EntryAlias:
        case EntryList:
        case EntryNewList: ForgetServerAlias(AliasNameOf(item.text, item.kind)); break;
        default: MarkChanged(item.kind); break;
        }
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    // Places of kept entries move down by the number of deleted entries before them.
    for (std::size_t& place : kept)
        place -= static_cast<std::size_t>(
            std::count_if(indexes.begin(), indexes.end(), [&](std::size_t i) { return i < place; })) -
            static_cast<std::size_t>(std::count_if(kept.begin(), kept.end(), [&](std::size_t k) { return k < place; }));
    return kept;
}

EntryDraft AddressModel::DraftOf(std::size_t index) const {
    const AddressItem& item = items_.at(index);
    ParsedEntry parsed = ParseAddressEntry(item.text);
    return {std::move(parsed.name), std::move(parsed.address), item.kind};
}

std::vector<std::size_t> AddressModel::Matching(std::string_view search) const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (ContainsNoCase(items_[i].text, search)) found.push_back(i);
    return found;
}

std::optional<std::size_t> AddressModel::Find(std::string_view text) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].text == text) return i;
    return std::nullopt;
}

void AddressModel::MarkChanged(EntryKind kind) {
    modified_ = true;
    if (kind == EntryShared) sharedChanged_ = true;
    if (kind == EntryPersonal) personalChanged_ = true;
}

std::vector<std::string> AddressModel::Save() {
    std::vector<std::string> failed;
    for (const auto& [kind, changed, path] :
         {std::tuple{EntryShared, &sharedChanged_, stores_.SharedAliasPath()},
          std::tuple{EntryPersonal, &personalChanged_, stores_.PersonalAliasPath()}}) {
        if (!*changed) continue;  // a store left alone is not rewritten
        std::vector<std::string> entries;
        for (const AddressItem& item : items_)
            if (item.kind == kind) entries.push_back(item.text);
        const std::string old = stores_.ReadBytes(path).value_or(std::string());
        if (stores_.ReplaceFile(path, AliasFileWith(old, entries))) *changed = false;  // else tried again next time
        else failed.push_back(path);
    }
    modified_ = false;
    return failed;
}

std::vector<std::string> CompletionCandidates(AliasStores& stores, std::string_view typed, AddressCache* cache) {
    if (cache == nullptr) {
        CompletionIndex index;
        IndexCandidates(stores, index, nullptr);
        return index.Matching(typed);
    }
    std::string stamp;
    for (const std::string& path : {stores.LocalUsersPath(), stores.NameIndexPath(), stores.SharedAliasPath(),
                                    stores.PersonalAliasPath()})
        stamp.append(stores.FileStamp(path)).append("|");
    if (stamp != cache->completionStamp || cache->completion.Size() == 0) {
        IndexCandidates(stores, cache->completion, cache);
        cache->completionStamp = stamp;
    }
    return cache->completion.Matching(typed);
}

}  // namespace velmar
