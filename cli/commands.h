// The sub-commands of marivo-cli. Each lives in a file of its own
// (cmd_<name>.cpp) and registers itself with a static CliRegistration:
//
//   static const CliRegistration reg{"day", "day YYYY-MM-DD [HH:MM]", RunDay};
//
// A command takes the arguments after its own name and returns the exit
// status: 0 success, 1 nothing found, 2 invalid input (message on stderr).
#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;

struct CliCommand {
    const char* name;
    const char* usage;
    int (*run)(const Args& args);
};

// Every registered command, sorted by name.
std::vector<CliCommand> CliCommands();

struct CliRegistration {
    CliRegistration(const char* name, const char* usage, int (*run)(const Args&));
};
