// message/: the message being composed (MessageDraft, MessageFields), the writer of a
// queue file set's header block and control file (FormatMessageFiles) with the settings it is
// handed (WriterSettings, ResolveSender), the recipient lists and the charset decision of
// a message (MessageTexts). Depends on common/,
// config/ and encoding/.
#pragma once

#include "message/ListFiles.h"
#include "message/MessageDraft.h"
#include "message/MessageFields.h"
#include "message/MessageHeader.h"
#include "message/MessageTexts.h"
#include "message/RecipientLists.h"
#include "message/WriterSettings.h"

#ifdef _WIN32
#include "message/MessagePlatform_win.h"
#endif
