// marivo-cli: the engine, the case store and the tools from the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>
#include "cli/commands.h"
#include "cli/output.h"

namespace {

// The command's status, or 2 when what it wrote could not all reach its
// standard output (a full disk, /dev/full, a closed pipe).
int OutputWritten(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "marivo-cli: 无法写出输出：%s\n", std::strerror(errno));
    return 2;
}

int Usage() {
    std::fprintf(stderr, "用法：marivo-cli <命令> [参数]\n\n命令：\n");
    for (const CliCommand& c : CliCommands()) std::fprintf(stderr, "  %s\n", c.usage);
    return 2;
}

// The help in Chinese, as the rest of the program; option names stay as they are.
void UseChineseHelp(CLI::App& app) {
    auto formatter = std::make_shared<CLI::Formatter>();
    formatter->label("Usage", "用法");
    formatter->label("OPTIONS", "选项");
    formatter->label("SUBCOMMAND", "命令");
    formatter->label("SUBCOMMANDS", "命令");
    formatter->label("Positionals", "参数");
    formatter->label("REQUIRED", "（必需）");
    formatter->column_width(34);
    app.formatter(formatter);
    app.option_defaults()->group("选项");
    app.set_help_flag("-h,--help", "显示这段说明后退出");
}

// Sub-commands copy the help flag before the option group, so each one's
// --help is moved into 选项 once every command is defined.
void GroupHelpWithOptions(CLI::App& app) {
    if (CLI::Option* help = app.get_help_ptr()) help->group("选项");
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) GroupHelpWithOptions(*sub);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app("澄岚八字合婚的命令行：历法、合婚命稿、命例库和工具。\n"
                 "退出状态：0 成功，1 没有找到，2 输入无效（说明写在标准错误上）。",
                 "marivo-cli");
    UseChineseHelp(app);
    app.set_version_flag("--version", "marivo-cli " MARIVO_VERSION, "显示版本后退出");
    app.require_subcommand(1);

    std::vector<std::pair<CLI::App*, CommandRun>> commands;
    for (const CliCommand& c : CliCommands()) {
        CLI::App* command = app.add_subcommand(c.name, c.summary);
        command->group("命令");
        commands.emplace_back(command, c.define(*command));
    }
    GroupHelpWithOptions(app);
    app.footer("每个命令的说明：marivo-cli COMMAND --help");  // after the commands, which would copy it
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {  // --help, --version
        return app.exit(e);
    } catch (const CLI::ParseError&) {
        // A wrong argument answers with the usage line of its command.
        for (const CliCommand& c : CliCommands())
            if (app.got_subcommand(c.name)) return UsageExit(c.usage);
        return Usage();
    }
    for (auto& [command, run] : commands)
        if (command->parsed()) return OutputWritten(run());
    return Usage();
}
