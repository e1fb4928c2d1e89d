// tessilo: the command line of the tessilo40 library (state, help, and the
// subcommands that register themselves in their own files).
#include "command.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {
std::map<std::string, CliCommand>& registry()
{
    static std::map<std::string, CliCommand> commands;
    return commands;
}

void printUsage(FILE* out)
{
    std::fprintf(out, "usage: tessilo COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const CliCommand& c : cliCommands())
        std::fprintf(out, "  %-8s %s\n", c.name, c.summary);
    std::fprintf(out, "\n\"tessilo help COMMAND\" describes one command.\n");
}

int runHelp(const std::vector<std::string>& args)
{
    if (args.empty()) {
        printUsage(stdout);
        return cliOk;
    }
    if (args.size() > 1)
        return cliError(cliUsage, "help takes at most one command name");
    const CliCommand* c = cliFindCommand(args[0]);
    if (!c)
        return cliError(cliUsage, "unknown command \"" + args[0] + "\" (see \"tessilo help\")");
    std::printf(
        "usage: tessilo %s%s%s\n\n%s\n", c->name, *c->usage ? " " : "", c->usage, c->summary);
    if (*c->details)
        std::printf("\n%s", c->details);
    return cliOk;
}

CliCommandRegistration helpCommand(
    { "help", "[COMMAND]", "list the commands, or describe one", "", runHelp });
} // namespace

CliCommandRegistration::CliCommandRegistration(const CliCommand& command)
{
    registry()[command.name] = command;
}

std::vector<CliCommand> cliCommands()
{
    std::vector<CliCommand> all;
    for (const auto& entry : registry())
        all.push_back(entry.second);
    return all;
}

const CliCommand* cliFindCommand(const std::string& name)
{
    auto it = registry().find(name);
    return it == registry().end() ? nullptr : &it->second;
}

int cliError(int code, const std::string& message)
{
    std::fprintf(stderr, "tessilo: %s\n", message.c_str());
    return code;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(stderr);
        return cliUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h")
        return runHelp({});
    const CliCommand* command = cliFindCommand(name);
    if (!command)
        return cliError(cliUsage, "unknown command \"" + name + "\" (see \"tessilo help\")");
    std::vector<std::string> args(argv + 2, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end())
        return runHelp({ name });
    return command->run(args);
}
