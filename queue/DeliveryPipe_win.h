// Telling the running delivery side about a new queue file set over its named pipe.
#pragma once

#include <string_view>

namespace velmar {

inline constexpr char deliveryPipeName[] = "\\\\.\\pipe\\STMPQUEUE";

// Writes `message` and its terminating NUL to the delivery pipe in one write: up to 120
// attempts to reach a free pipe instance (500 ms each), then up to 30 s for the write.
// Silent on failure: the queue file set stays for the delivery side to find. True when
// the whole message was written.
bool NotifyDeliveryPipe(std::string_view message);

}  // namespace velmar
