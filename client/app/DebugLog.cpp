#include "client/app/DebugLog.h"

#include <cstdio>
#include <utility>

namespace DebugLog {

namespace {
Listener& CurrentListener() {
    static Listener listener;
    return listener;
}
}  // namespace

void Write(std::string_view line) {
#ifdef OMBRIN_CLIENT_DEBUG_LOG
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
#endif
    if (const Listener& listener = CurrentListener()) {
        listener(line);
    }
}

void SetListener(Listener listener) {
    CurrentListener() = std::move(listener);
}

}  // namespace DebugLog
