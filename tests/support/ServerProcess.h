// Runs the real Quellhost program from the run layout for end-to-end tests and reads its console.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// Starts bin/<programName> with its standard output on a pipe (standardOutput), in workingDirectory.
bool SpawnWithPipe(const std::string& programName, const std::vector<std::string>& arguments,
                   const std::string& workingDirectory, pid_t& pid, int& standardOutput);

// The folder holding the programs: OMBRIN_BIN_DIR, or the working directory.
std::string BinDir();

class ServerProcess {
public:
    ~ServerProcess();
    // Starts bin/Quellhost with the arguments, working directory bin/ (as a player would run it) unless
    // another is given; the program reads its data from "../Ombrin/" next to the working directory.
    bool Start(const std::vector<std::string>& arguments, const std::string& workingDirectory = BinDir());
    // Reads console lines until one starts with prefix; returns it (empty on time-out or exit).
    std::string WaitForLine(const std::string& prefix, int timeoutMs);
    // Everything printed so far.
    const std::string& Output() const { return m_output; }
    void Signal(int signal) const;
    // The exit status, or -1 when the process has not ended within timeoutMs (it is then killed).
    int WaitForExit(int timeoutMs);
    pid_t Pid() const { return m_pid; }
    // The port from the "PORT: " line.
    unsigned short ReadPort(int timeoutMs);

private:
    bool ReadMore(int timeoutMs);

    pid_t m_pid = -1;
    int m_stdout = -1;
    std::string m_output;
    std::size_t m_consumed = 0;
};
