// Runs the real Ombrin-bots program from the run layout and collects its console.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class BotProcess {
public:
    ~BotProcess();
    bool Start(const std::vector<std::string>& arguments, const std::string& workingDirectory);
    // Starts count bots of one team ("red" or "blue") that play one match and follow the server to the next
    // level, named after the team: Red1, Red2, ... or Blue1, Blue2, ...
    bool StartTeam(const std::string& team, int count, unsigned short port, int seed,
                   const std::string& workingDirectory);
    // Reads the console until the program ends; its exit status, or -1 when it has not ended within
    // timeoutMs (it is then killed).
    int WaitForExit(int timeoutMs);
    const std::string& Output() const { return m_output; }

private:
    pid_t m_pid = -1;
    int m_stdout = -1;
    std::string m_output;
};
