// The psqlODBC connect string for a PostgreSQL database, as the profile keeps it.
//
// The library takes a stored connect string only while the "Rivanta40.mdb" its DBQ= entry names
// exists, so the string carries DBQ= with the local database file as well; psqlODBC ignores that
// entry. A password appears only when the user gave one: without it psqlODBC (libpq) reads
// ~/.pgpass.
#pragma once

#include <string>

namespace sampledb {

struct ServerParameters {
    std::string host; // name, address or socket folder
    std::string port;
    std::string database;
    std::string user;
    std::string password; // "" for none
    std::string sslmode; // "" for the default
};

std::string serverConnectString(const ServerParameters& server, const std::string& localDatabase);

} // namespace sampledb
