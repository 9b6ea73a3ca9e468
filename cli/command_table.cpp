#include "cli/commands.h"

// Each sub-command lives in a file of its own (cmd_<name>.cpp).
const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> table = {
    };
    return table;
}
