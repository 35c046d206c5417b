// queue/: the single door out: spool file names, which body files are consumed
// (ConsumedBody), the body preparation both faces share (PreparedBody), the queue file set
// (SubmitMessage) and telling the delivery side.
// Depends on common/, config/, encoding/ and message/.
#pragma once

#include "queue/ConsumedBody.h"
#include "queue/SpoolNames.h"

#ifdef _WIN32
#include "queue/DeliveryPipe_win.h"
#include "queue/PreparedBody_win.h"
#include "queue/SubmitMessage_win.h"
#endif
