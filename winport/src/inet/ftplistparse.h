// The lines of an FTP LIST answer as find records: the Unix "ls -l" form of most servers and the
// MS-DOS form of Windows servers.
#pragma once

#include "winbase.h"

#include <ctime>
#include <string>

namespace winport {

// Fills record from one line (without its line end); false for a line that names no entry
// ("total 12", a blank line, a form not understood). Times without a year lie within the year
// before now; times are taken as UTC.
bool ParseListLine(const std::string& line, time_t now, WIN32_FIND_DATA& record);

// Fills record from the facts line of an MLST answer (" type=file;size=4;modify=...; /a/b") with
// the given name; false when the line carries no type fact.
bool ParseMlstFacts(const std::string& line, const std::string& name, WIN32_FIND_DATA& record);

} // namespace winport
