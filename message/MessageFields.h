// The fields of the message being composed or sent, shared by the batch face and the
// compose window.
#pragma once

#include <cstddef>
#include <string>

namespace velmar {

namespace cap {
inline constexpr std::size_t addressField = 510;  // to, cc, bcc
inline constexpr std::size_t subjectField = 510;
}  // namespace cap

struct MessageFields {
    std::string to;
    std::string cc;
    std::string bcc;
    std::string subject;
    std::string sender;  // the address the message is sent from
    std::string replyAddress;
};

}  // namespace velmar
