// The start-up configuration: who the user is, which host and domain the program acts for,
// where the server's directories are, how the delivery side is reached, and the user's
// compose options. Filled once by LoadStartupConfiguration; one instance is owned by the
// application object and handed by reference to everything that reads it.
#pragma once

#include <cstdint>
#include <string>

#include "common/Capacities.h"
#include "config/ServerRecords.h"

namespace velmar {

struct WindowPlacement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct AppConfig {
    std::string sharedProfilePath = "VELMAR.INI";
    std::string hostName;
    DomainRecord domain;
    std::string userId;
    std::string mailDir;
    std::string usersDir;
    std::string cfgDir;
    std::string spoolDir;
    std::string usersSysPath;
    std::string aliasesSysPath;
    std::string userProfilePath;
    std::string sendName = "mqsend";
    std::string copyAddress;
    std::int32_t copyAllMail = 0;

    // Options, stored in the user's own section.
    std::int32_t optSig = 1;
    std::int32_t optSndReg = 0;
    std::int32_t optSendPrompt = 1;
    std::int32_t optTab = 0;
    std::int32_t optWrap = 1;
    std::int32_t optBcc = 0;
    std::int32_t optAttach = 0;
    std::int32_t sendWrap = 72;
    std::int32_t fontChoice = 3;
    std::int32_t verbose = 0;
    std::int32_t optVerify = 0;
    std::int32_t uuencode = 0;
    std::string specProg;

    // Dialog base units of the system and the main window's placement.
    std::int32_t baseUnitX = 0;
    std::int32_t baseUnitY = 0;
    WindowPlacement placement;
};

}  // namespace velmar
