// Makes the library find a database: "ConnectStr" and "ConnectStrInstalled" in the profile
// section "tessilo40".
#pragma once

#include <string>

namespace sampledb {

// The suite's usual connect string (the form of connect-string template 1) for a database file
// given as a Windows path.
std::string connectStringFor(const std::string& windowsPath);

// True when the connect string's DBQ= names a file that exists.
bool namesExistingDatabase(const std::string& connect);

// Writes the connect string to "ConnectStrInstalled" unless that already names an existing
// database, and to "ConnectStr" likewise, or always when replaceChoice is set (the user switches
// databases). Returns the keys it wrote (", "-separated), "" for none. Throws std::runtime_error
// when the profile cannot be written.
std::string registerInProfile(const std::string& connect, bool replaceChoice);

// Names the "PDF" printer as the default printer ("device" in the section "windows" of the
// framework profile) of the suite's programs here (tessilo, tessilo-demo) that name none yet;
// returns the programs it wrote for.
std::string registerDefaultPrinter();

} // namespace sampledb
