// The captions of the two boxes the Attach command shows while Ctrl is held: the reply
// source path and the user's profile path, for checking how the program was started.
#pragma once

#include <string>
#include <string_view>

namespace velmar {

// "Reply Name <length> <first character>"; for an empty path the caption ends after the
// blank, where the first character would stand.
[[nodiscard]] std::string ReplyNameCaption(std::string_view replyFilePath);

// "UserID <user id>".
[[nodiscard]] std::string UserIdCaption(std::string_view userId);

}  // namespace velmar
