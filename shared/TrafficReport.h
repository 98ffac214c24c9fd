// The figures of one traffic report: transfer rates and the most frequent messages of the last window.
#pragma once

#include <string>

struct TrafficReport {
    double inBytesPerSecond = 0.0;
    double outBytesPerSecond = 0.0;
    // Up to five lines "InMessage: <name>  Nr: <count>\n", most frequent first; empty in server mode.
    std::string inMessageTable;
    // The same with "OutMessage: ".
    std::string outMessageTable;
};
