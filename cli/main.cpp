// marivo-cli: the engine, the case store and the tools from the command line.
#include <cstdio>
#include <string>


#include "cli/commands.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: marivo-cli <command> [arguments]\n\ncommands:\n");
    for (const CliCommand& c : CliCommands()) std::fprintf(stderr, "  %s\n", c.usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string name = argv[1];
    Args args(argv + 2, argv + argc);
    for (const CliCommand& c : CliCommands())
        if (name == c.name) return c.run(args);
    return Usage();
}
