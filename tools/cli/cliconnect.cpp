#include "cliconnect.h"

#include "app/tessilo.h"
#include "db/mfcsql.h"

std::string cliConnectString(bool given, const std::string& connect, std::string* error)
{
    std::string chosen
        = given ? connect : std::string(TessiloApp.ConnectGetConnectStr().GetString());
    if (chosen.empty()) {
        *error = given ? "the connect string is empty"
                       : "no usable database: \"ConnectStr\" and \"ConnectStrInstalled\" name no "
                         "existing file (use --connect)";
        return {};
    }
    if (chosen.size() >= MFCSQL_CONNECT_SIZE) {
        *error = "cannot connect: the connect string has " + std::to_string(chosen.size())
            + " characters; the limit is " + std::to_string(MFCSQL_CONNECT_SIZE - 1);
        return {};
    }
    return chosen;
}
