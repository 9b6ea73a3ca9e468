// The sub-commands of marivo-cli. Each lives in a file of its own
// (cmd_<name>.cpp) and registers itself with a static CliRegistration:
//
//   static const CliRegistration reg{"day", kUsage, "一天的公历、农历、节气和四柱", DefineDay};
//
// Define adds the command's options and positional arguments to its CLI11
// sub-command and returns what runs the command once they are parsed. A
// run returns the exit status: 0 success, 1 nothing found, 2 invalid input
// (message on stderr).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

using CommandRun = std::function<int()>;

struct CliCommand {
    const char* name;
    const char* usage;    // the arguments, as "用法：marivo-cli <usage>" shows them
    const char* summary;  // one line for the command list of --help
    CommandRun (*define)(CLI::App& command);
};

// Every registered command, sorted by name.
std::vector<CliCommand> CliCommands();

struct CliRegistration {
    CliRegistration(const char* name, const char* usage, const char* summary, CommandRun (*define)(CLI::App&));
};
