// tessilo status: where the application keeps its settings, how the drives map,
// and which connect string and template the library would use, with the
// reasons.
#include "command.h"
#include "databasekind.h"

#include <tessilo40.h>
#include <winport/paths.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {
const char* driveTypeName(UINT type)
{
    switch (type) {
    case DRIVE_REMOVABLE:
        return "removable";
    case DRIVE_FIXED:
        return "fixed";
    case DRIVE_REMOTE:
        return "network";
    case DRIVE_CDROM:
        return "cd-rom";
    case DRIVE_RAMDISK:
        return "ram disk";
    case DRIVE_NO_ROOT_DIR:
        return "no root";
    default:
        return "unknown";
    }
}

std::string bytes(ULONGLONG n)
{
    const char* units[] = { "B", "KiB", "MiB", "GiB", "TiB" };
    double value = static_cast<double>(n);
    int unit = 0;
    while (value >= 1024 && unit < 4) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, unit ? "%.1f %s" : "%.0f %s", value, units[unit]);
    return text;
}

std::string quoted(const CString& text)
{
    return text.IsEmpty() ? "(not set)" : "\"" + text.str() + "\"";
}

// A profile file is fine when it is absent (nothing stored yet) or a readable file.
bool checkReadable(const std::string& path, std::string* state)
{
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        *state = "not written yet";
        return true;
    }
    if (!fs::is_regular_file(path, ec)) {
        *state = "not a file";
        return false;
    }
    std::ifstream in(path);
    if (in)
        in.peek();
    if (!in && !in.eof()) {
        *state = std::string("cannot be read: ") + std::strerror(errno);
        return false;
    }
    *state = std::to_string(fs::file_size(path, ec)) + " bytes";
    return true;
}

bool printProfile()
{
    std::printf("Profile\n");
    const std::string root = winport::rivantaRoot();
    std::printf("  root folder        %s%s\n", root.c_str(),
        getenv("RIVANTA_ROOT") ? " (RIVANTA_ROOT)" : " (default; set RIVANTA_ROOT to move it)");
    bool ok = true;
    std::string state;
    const std::string winIni = root + "/win.ini";
    ok &= checkReadable(winIni, &state);
    std::printf("  Windows profile    %s, section [%s] (%s)\n", winIni.c_str(),
        CTessiloApp::profileSection, state.c_str());
    const std::string appIni = TessiloApp.GetProfileFilePath().str();
    ok &= checkReadable(appIni, &state);
    std::printf("  framework profile  %s (%s)\n", appIni.c_str(), state.c_str());
    if (!ok)
        cliError(cliFailed, "a profile file exists but cannot be read");
    return ok;
}

bool printDrives()
{
    char current[MAX_PATH] = "";
    if (GetCurrentDirectoryA(MAX_PATH, current) == 0) {
        cliError(cliFailed, "the current directory cannot be determined");
        return false;
    }
    const unsigned long drives = TessiloApp.GetDrives();
    std::printf("\nDrives (current directory %s; rooted paths such as \\orlamo\\ lie on %c:)\n",
        current, winport::currentDrive());
    if (drives == 0) {
        cliError(cliFailed, "no drive is present");
        return false;
    }
    bool ok = true;
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1ul << bit)))
            continue;
        const char letter = static_cast<char>('A' + bit);
        const char root[] = { letter, ':', '\\', '\0' };
        const std::string folder = winport::driveFolder(letter);
        std::error_code ec;
        std::string target;
        if (fs::is_symlink(folder, ec))
            target = " -> " + fs::read_symlink(folder, ec).string();
        ULARGE_INTEGER available, total, free;
        std::string space;
        if (GetDiskFreeSpaceExA(root, &available, &total, &free)) {
            space = bytes(available.QuadPart) + " free of " + bytes(total.QuadPart);
        } else {
            space = "free space unknown";
            if (letter == 'C') {
                ok = false;
                cliError(cliFailed, "drive C: (" + folder + ") is not usable");
            }
        }
        std::printf("  %c:  %-9s %s%s  %s\n", letter, driveTypeName(GetDriveTypeA(root)),
            folder.c_str(), target.c_str(), space.c_str());
    }
    return ok;
}

void printConnectStr()
{
    const ConnectStrChoice choice = TessiloApp.ConnectExplainConnectStr();
    std::printf("\nConnect string\n");
    std::printf("  ConnectStr           %s\n", quoted(choice.stored).c_str());
    if (!choice.stored.IsEmpty() && !choice.storedProblem.IsEmpty())
        std::printf("                       refused: %s\n", choice.storedProblem.GetString());
    if (choice.source != ConnectStrChoice::sourceStored) {
        std::printf("  ConnectStrInstalled  %s\n", quoted(choice.installedStr).c_str());
        if (!choice.installedStr.IsEmpty() && !choice.installedProblem.IsEmpty())
            std::printf(
                "                       refused: %s\n", choice.installedProblem.GetString());
    }
    switch (choice.source) {
    case ConnectStrChoice::sourceStored:
        std::printf("  chosen               the stored ConnectStr (its database "
                    "file exists)\n");
        break;
    case ConnectStrChoice::sourceInstalled:
        std::printf("  chosen               ConnectStrInstalled (the stored "
                    "ConnectStr is not usable)\n");
        break;
    case ConnectStrChoice::sourceNone:
        std::printf("  chosen               none: no usable database is configured\n");
        break;
    }
}

// The kind of database the chosen connect string reaches and whether it answers; false when it
// does not.
bool printDatabase()
{
    const std::string connect = TessiloApp.ConnectGetConnectStr().str();
    std::printf("\nDatabase\n");
    if (connect.empty()) {
        std::printf("  reaches              nothing (no connect string is chosen)\n");
        return true;
    }
    const DatabaseProbe probe = probeDatabase(connect);
    std::printf("  reaches              %s\n", probe.kind.c_str());
    std::printf(
        "  answers              %s: %s\n", probe.answers ? "yes" : "no", probe.answer.c_str());
    if (!probe.answers)
        cliError(cliFailed, "the chosen database does not answer");
    return probe.answers;
}

void printTemplate()
{
    std::printf("\nConnect-string template\n");
    const CString chosen = TessiloApp.GetConnectStrTemplate();
    if (chosen.IsEmpty()) {
        std::printf("  ConnectStrType       set to an empty value: no template is used\n");
        return;
    }
    // An empty read here means the key is absent: a present empty value gives no
    // template above.
    const CString type = TessiloApp.getProfileString("ConnectStrType", "");
    const int number = CTessiloApp::ConnectCurrentTemplateNumber();
    std::printf("  ConnectStrType       %s -> template %d\n",
        type.IsEmpty() ? "absent" : quoted(type).c_str(), number);
    const ConnectStrTemplate found = TessiloApp.ConnectFindTemplate(number);
    std::printf("  source               %s\n",
        found.file.IsEmpty() ? "built-in table (no mfcConnectStrings.txt line for it)"
                             : ("template file " + found.file.str()).c_str());
    std::printf("  template             %s\n", found.text.GetString());
}

int runStatus(const std::vector<std::string>& args)
{
    if (!args.empty())
        return cliError(cliUsage, "status takes no arguments (got \"" + args[0] + "\")");
    std::printf("tessilo40 %s: application support state\n\n", TESSILO40_VERSION);
    bool ok = printProfile();
    ok &= printDrives();
    printConnectStr();
    ok &= printDatabase();
    printTemplate();
    return ok ? cliOk : cliFailed;
}

CliCommandRegistration statusCommand(
    { "status", "", "show the profile location, drives, connect string and template in use",
        "Prints where the library keeps its profile (RIVANTA_ROOT, win.ini "
        "section [tessilo40], the\n"
        "framework profile under the registry key \"Rivanta 40\"), the drive "
        "letters with their\n"
        "folders, types and free space, the connect string ConnectGetConnectStr "
        "chooses and why,\n"
        "and the connect-string template in use with its source "
        "(mfcConnectStrings.txt or built-in).\n"
        "For the chosen connect string it says which kind of database it reaches (an SQLite file\n"
        "through the Access stand-in, a Jet/ACE file through mdbtools, a PostgreSQL server, or\n"
        "another ODBC driver's database) and whether that database answers a connect.\n"
        "Exits with 1 when a profile file cannot be read, drive C: is not usable or the chosen\n"
        "database does not answer.\n",
        runStatus });
} // namespace
