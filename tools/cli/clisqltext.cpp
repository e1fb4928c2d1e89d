#include "clisqltext.h"
#include "command.h"

#include <winport/paths.h>

#include <fstream>
#include <iostream>
#include <iterator>

int cliReadSQL(const std::string& file, std::string* text)
{
    if (!file.empty()) {
        std::ifstream in(winport::toNativePath(file.c_str()), std::ios::binary);
        if (!in)
            return cliError(cliFailed, "cannot read " + file);
        text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else if (text->empty()) {
        text->assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }
    size_t last = text->find_last_not_of(" \t\r\n");
    if (last == std::string::npos)
        return cliError(cliUsage, "no SQL to run");
    if ((*text)[last] != ';')
        text->insert(last + 1, ";");
    return cliOk;
}
