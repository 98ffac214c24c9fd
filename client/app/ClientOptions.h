// The client's command line:
//   Ombrin [--server-port N]    the port to connect to and to start a hosted server on (default 60000)
//          [--frame-log FILE]   one line per frame in FILE: frame time and working time (shared/FrameLog.h)
#pragma once

#include <string>
#include <vector>

struct ClientOptions {
    unsigned short serverPort = 60000;
    std::string frameLog;  // empty: no frame log
};

struct ClientOptionsResult {
    bool ok = false;
    ClientOptions options;
    std::string error;  // when not ok
};

ClientOptionsResult ParseClientOptions(const std::vector<std::string>& arguments);
inline constexpr const char* kClientUsage =
    "usage: Ombrin [--server-port N] [--frame-log FILE]   (N from 1 to 65535)\n";
