// compose/: the compose window. Depends on common/, config/, encoding/, message/ and queue/.
#pragma once


#ifdef _WIN32
#include "compose/MainWindow_win.h"
#endif
