// The sub-commands of marivo-cli. Each takes the arguments after its own
// name and returns the process exit status: 0 success, 1 nothing found,
// 2 invalid input (the message goes to stderr).
#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;

struct CliCommand {
    const char* name;
    const char* usage;
    int (*run)(const Args& args);
};

// The table of every sub-command, in the order `marivo-cli help` lists them.
const std::vector<CliCommand>& CliCommands();
