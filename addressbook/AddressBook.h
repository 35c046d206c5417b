// addressbook/: the address book over the server's local users, server aliases, shared and
// personal alias files and distribution lists: entry forms and kinds (AddressEntry.h), the
// recipient list of a header field (RecipientPicks.h), the list of known addresses with its
// stores and completion (AddressModel.h, AliasStores.h), the files' text (StoreFiles.h), and
// on Windows the stores over real files and the registry and the dialogs. Depends on
// common/, config/ and message/.
#pragma once

#include "addressbook/AddressEntry.h"
#include "addressbook/AddressModel.h"
#include "addressbook/AliasStores.h"
#include "addressbook/RecipientPicks.h"
#include "addressbook/StoreFiles.h"

#ifdef _WIN32
#include "addressbook/AddressDialogs_win.h"
#include "addressbook/AliasStores_win.h"
#endif
