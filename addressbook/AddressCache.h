// What the address book read from its files, kept for one compose window: the display
// texts of each alias file and the completion index over every store, each with the stamp
// (size and time of change) of the files it was made from, so that a file is read and
// parsed again only once it has changed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "addressbook/CompletionIndex.h"

namespace velmar {

struct AddressCache {
    struct ShownFile {
        std::string stamp;
        std::vector<std::string> texts;  // the display text of every entry, in file order
    };
    std::map<std::string, ShownFile> aliasFiles;  // by path
    std::string completionStamp;                  // the stamps of every file completion reads
    CompletionIndex completion;
};

}  // namespace velmar
