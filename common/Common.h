// common/: what every subsystem may use. Portable: text helpers and capacities (Text.h,
// Capacities.h), byte streams with text-mode translation (ByteStream.h, TextMode.h), byte
// search (ByteSearch.h), the processor's vector level (SimdLevel.h), line-end helpers
// (LineText.h), outcomes of steps that can fail (Outcome.h), the help file's pages
// (HelpTopics.h). Windows shell: handle
// owners (WinHandles_win.h), file streams (FileStreams_win.h), buffered files
// (BufferedFile_win.h), string-table texts (ResourceStrings_win.h), the one way another
// program is started (RunDetached_win.h), a window's text (WindowText_win.h), window text
// as UTF-16 and its conversions (WideText_win.h), the state kept with a dialog
// (DialogState_win.h), the centring of a dialog (CentreWindow_win.h) and the help file
// opened through HTML Help (HelpViewer_win.h).
#pragma once

#include "common/ByteSearch.h"
#include "common/ByteStream.h"
#include "common/HelpTopics.h"
#include "common/Capacities.h"
#include "common/LineText.h"
#include "common/Outcome.h"
#include "common/SimdLevel.h"
#include "common/Text.h"
#include "common/TextMode.h"

#ifdef _WIN32
#include "common/BufferedFile_win.h"
#include "common/CentreWindow_win.h"
#include "common/DialogState_win.h"
#include "common/FileStreams_win.h"
#include "common/HelpViewer_win.h"
#include "common/ResourceStrings_win.h"
#include "common/RunDetached_win.h"
#include "common/WideText_win.h"
#include "common/WinHandles_win.h"
#include "common/WindowText_win.h"
#endif
