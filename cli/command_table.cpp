#include <algorithm>
#include <cstring>

#include "cli/commands.h"

namespace {

std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

}  // namespace

CliRegistration::CliRegistration(const char* name, const char* usage, const char* summary,
                                 CommandRun (*define)(CLI::App&)) {
    Registry().push_back({name, usage, summary, define});
}

std::vector<CliCommand> CliCommands() {
    std::vector<CliCommand> sorted = Registry();
    std::sort(sorted.begin(), sorted.end(),
              [](const CliCommand& a, const CliCommand& b) { return std::strcmp(a.name, b.name) < 0; });
    return sorted;
}
