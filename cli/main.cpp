// marivo-cli: the engine, the case store and the tools from the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"

namespace {

// The command's status, or 2 when what it wrote could not all reach its
// standard output (a full disk, /dev/full, a closed pipe).
int OutputWritten(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "marivo-cli: cannot write the output: %s\n", std::strerror(errno));
    return 2;
}

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
        if (name == c.name) return OutputWritten(c.run(args));
    return Usage();
}
