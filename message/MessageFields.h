// The fields of the message being composed or sent, shared by the batch face and the
// compose window.
#pragma once

#include <cstddef>
#include <string>

#include "common/Capacities.h"

namespace velmar {

struct MessageFields {
    std::string to;
    std::string cc;
    std::string bcc;
    std::string subject;
    std::string sender;  // the address the message is sent from
    std::string replyAddress;
    // The texts are UTF-8 (a mailto: link's values, a command line the ANSI code page
    // cannot hold); otherwise they are in the ANSI code page.
    bool utf8 = false;
};

}  // namespace velmar
