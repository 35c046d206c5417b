// config/: the settings store over the registry and profile files, the start-up
// configuration and options (AppConfig, LoadStartupConfiguration, LoadOptions), and the
// server's user-database library. Depends on common/ only.
#pragma once

#include "config/AppConfig.h"
#include "config/ServerLibrary.h"
#include "config/ServerRecords.h"
#include "config/SettingsBackend.h"
#include "config/SettingsStore.h"
#include "config/StartupConfig.h"

#ifdef _WIN32
#include "config/Registry_win.h"
#include "config/ServerLibrary_win.h"
#endif
