// Runs marivo-cli as a user runs it, as a separate program, and collects
// what it writes.
#pragma once

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/base/file_util.h"

struct CliRun {
    int status;       // exit status; -1 when the program did not end by itself
    std::string out;  // standard output (with standard error when joined)
    std::string err;  // standard error, when kept apart
};

enum class StdErr { Apart, JoinedToOut };

// The text as one word for the shell.
inline std::string ShellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a shell command line (an installed marivo-cli with its environment).
inline CliRun RunCommand(const std::string& commandLine, StdErr stderrMode = StdErr::Apart) {
    CliRun run{-1, "", ""};
    std::string errFile = (std::filesystem::temp_directory_path() / "marivo_cli_err_XXXXXX").string();
    int fd = mkstemp(errFile.data());
    if (fd < 0) return run;
    close(fd);
    std::string command = commandLine +
                          (stderrMode == StdErr::JoinedToOut ? " 2>&1" : " 2>" + ShellQuoted(errFile));
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) run.out.append(buf, n);
        int raw = pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    fileutil::ReadAll(errFile, run.err);
    std::filesystem::remove(errFile);
    return run;
}

// Runs marivo-cli with the arguments (already quoted for the shell).
inline CliRun RunCli(const std::string& args, StdErr stderrMode = StdErr::Apart) {
    return RunCommand(std::string(MARIVO_CLI) + " " + args, stderrMode);
}

// The lines of a command's output, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
