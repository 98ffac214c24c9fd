// The console lines of the server, the bots and the loaders they share: information on standard output,
// problems on standard error. A line is formatted whole and written in one call, and standard output is
// flushed after each line, so a program reading the console through a pipe sees every line as it is logged.
#pragma once

// Formats like printf; the format carries its own line end.
void LogInfo(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogProblem(const char* format, ...) __attribute__((format(printf, 1, 2)));
