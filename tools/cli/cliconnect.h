// The connect string a command runs on.
#pragma once

#include <string>

// The given connect string, or without one the library's ("ConnectStr", else
// "ConnectStrInstalled"); empty with the reason in *error when there is none or it is too long.
std::string cliConnectString(bool given, const std::string& connect, std::string* error);
