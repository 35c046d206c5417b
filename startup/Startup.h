// startup/: the top of the program. The process entry classifies the command line, the
// application object owns every subsystem's state and wires them together, and the batch
// driver turns a command line or parameter file into a sent message or a pre-filled window.
#pragma once

#include "startup/CommandLine.h"
#include "startup/CommandRequest.h"
#include "startup/ExitCodes.h"
#include "startup/ParameterFile.h"
#include "startup/StartKind.h"
#include "startup/Switches.h"

#ifdef _WIN32
#include "startup/Application_win.h"
#include "startup/BatchBody_win.h"
#include "startup/BatchDriver_win.h"
#endif
