#include "tessilocommand.h"
#include "odbctest.h"

#include <fstream>
#include <sstream>

namespace testsupport {

TessiloResult runTessilo(const std::string& root, const std::string& arguments, bool errorsApart)
{
    const std::string errors = root + "/stderr.txt";
    const std::string command = "cd '" + root + "' && QT_QPA_PLATFORM=offscreen RIVANTA_ROOT='"
        + root + "' '" + TESSILO_BINARY_DIR + "/bin/tessilo' " + arguments
        + (errorsApart ? " 2>'" + errors + "'" : " 2>&1");
    TessiloResult result { -1, "", "" };
    result.exitCode = runCommand(command, &result.output);
    if (errorsApart)
        result.errors = fileText(errors);
    return result;
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace testsupport
