// The SQL text a command runs.
#pragma once

#include <string>

// Fills *text, which holds the SQL given as words: from `file` when one is named (a Windows or
// native path), else from standard input when no words were given. A last statement without its
// ";" gets one (only statements ended by a semicolon run). cliOk, or the exit code of the error
// reported.
int cliReadSQL(const std::string& file, std::string* text);
