// The tessilo command run as a program in a folder of its own: the folder is its current
// directory and its RIVANTA_ROOT, and it runs without a display.
#pragma once

#include <string>

namespace testsupport {

struct TessiloResult {
    int exitCode; // -1 when it could not run or did not exit
    std::string output; // standard output, followed by standard error unless kept apart
    std::string errors; // standard error when kept apart
};

// Runs `tessilo <arguments>` (arguments as a shell would split them) in root; with errorsApart
// standard error goes to root/stderr.txt and is returned in errors.
TessiloResult runTessilo(
    const std::string& root, const std::string& arguments, bool errorsApart = false);

// The whole content of a file ("" when it cannot be read).
std::string fileText(const std::string& path);

inline bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace testsupport
