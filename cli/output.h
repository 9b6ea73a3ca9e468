// What marivo-cli writes for a terminal: text with "\n" line ends, and
// error messages on stderr as whole lines.
#pragma once

#include <string>

// The text with its "\r\n" line ends (the engine's and the windows') as "\n".
std::string UnixLines(const std::string& text);

// Writes the message on stderr with "\n" line ends, its last line ended.
// Returns the exit status.
int ErrorExit(int status, const std::string& message);

// "用法：marivo-cli <usage>" on stderr; exit status 2 (invalid input).
int UsageExit(const char* usage);
