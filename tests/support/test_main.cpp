// Test entry point: every test process gets its own empty RIVANTA_ROOT (drives, profile files)
// so that tests running in parallel never share state, windows render offscreen, ODBC uses the
// build's own configuration (odbctest.h), and modal UI needs scripted answers.
#include <gtest/gtest.h>
#include <winport/testing.h>

#include "odbcconfig.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tessiloUseProjectOdbcConfig();
    std::string root;
    if (!getenv("RIVANTA_ROOT")) {
        char tmpl[] = "/tmp/tessilo-test-XXXXXX";
        if (!mkdtemp(tmpl)) {
            perror("mkdtemp");
            return 2;
        }
        root = tmpl;
        setenv("RIVANTA_ROOT", root.c_str(), 1);
    }
    testing::InitGoogleTest(&argc, argv);
    // Modal UI in tests takes scripted answers; one without an answer fails the test at once.
    winport::testing::EnableScriptedUi(
        [](const std::string& message) { ADD_FAILURE() << message; });
    int rc = RUN_ALL_TESTS();
    if (!root.empty() && !getenv("TESSILO_KEEP_TEST_ROOT")) {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    return rc;
}
