// The client's progress log: start-up steps and failures that do not stop the client. It writes to standard
// error only in builds with OMBRIN_CLIENT_DEBUG_LOG; a listener (tests, an on-screen console) sees every line
// in any build.
#pragma once

#include <functional>
#include <string_view>

namespace DebugLog {

using Listener = std::function<void(std::string_view line)>;

void Write(std::string_view line);
// Replaces the listener; an empty one detaches it.
void SetListener(Listener listener);

}  // namespace DebugLog
