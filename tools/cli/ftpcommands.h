// The subcommands of "tessilo ftp"; args exclude "ftp" and the subcommand's name.
#pragma once

#include <string>
#include <vector>

int ftpRunCommand(const std::vector<std::string>& args);
int ftpLogCommand(const std::vector<std::string>& args);
