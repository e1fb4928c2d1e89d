// Subcommands of the tessilo command. Each lives in its own source file and
// registers itself with a static CliCommandRegistration; main() dispatches on
// the first argument.
#pragma once

#include <string>
#include <vector>

// Exit codes shared by every subcommand.
enum CliExit { cliOk = 0, cliFailed = 1, cliUsage = 2 };

struct CliCommand {
    const char* name;
    const char* usage; // arguments after the name, e.g. "[FILE...]"
    const char* summary; // one line for "tessilo help"
    const char* details; // the text of "tessilo help NAME" (may be empty)
    int (*run)(const std::vector<std::string>& args); // args exclude the command name
};

class CliCommandRegistration {
public:
    explicit CliCommandRegistration(const CliCommand& command);
};

// Every registered command, in name order.
std::vector<CliCommand> cliCommands();
const CliCommand* cliFindCommand(const std::string& name);

// Prints "tessilo: message" to standard error and returns the exit code.
int cliError(int code, const std::string& message);
