// Connect strings of the suite's database: the stored one, the installed
// fall-back, templates from "mfcConnectStrings.txt" or the built-in table, and
// templates rewritten for a database file.
#include "app/tessilo.h"

#include <cstdlib>
#include <cstring>
#include <vector>
#include <winport/lock.h>
#include <winport/paths.h>

namespace {
const char* const databaseFileName = "Rivanta40.mdb";
const char* const templateFileName = "mfcConnectStrings.txt";
const char* const templateFileFallback = "\\orlamo\\mfcConnectStrings.txt";

const char* const builtInTemplates[] = {
    R"(DSN=Rivanta 4.0;DBQ=\\Orlamo40\\Rivanta40.mdb;DriverId=25;FIL=MS Access;MaxBufferSize=2048;PageTimeout=5;)",
    R"(DSN=Rivanta 4.0;DBQ=\\orlamo40\\Rivanta40.mdb;DefaultDir=\\orlamo40;Driver={Microsoft Access Driver (*.mdb)};DriverId=25;FIL=MS Access;FILEDSN=\\orlamo40\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;)",
    R"(DSN=Rivanta 4.0;DBQ=\\orlamo40\\Rivanta40.mdb;DefaultDir=\\orlamo40;Driver={Driver do Microsoft Access (*.mdb)};DriverId=25;FIL=MS Access;FILEDSN=\\orlamo40\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;)",
    R"(ODBC;DSN=Rivanta 4.0;DBQ=\\orlamo40\\Rivanta40.mdb;DefaultDir=\\orlamo40;Driver={Microsoft Access Driver (*.mdb)};DriverId=25;FIL=MS Access;FILEDSN=\\orlamo40\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;)",
    R"(ODBC;DSN=Rivanta 4.0;DBQ=\\orlamo40\\Rivanta40.mdb;DefaultDir=\\orlamo40;Driver={Driver do Microsoft Access (*.mdb)};DriverId=25;FIL=MS Access;FILEDSN=\\orlamo40\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;)",
    R"(ODBC;DSN=Rivanta 4.0;DBQ=\\Orlamo40\\Rivanta40.mdb;DriverId=25;FIL=MS Access;MaxBufferSize=2048;PageTimeout=5;)",
};

// Process-wide: the number of the template chosen last by
// GetConnectStrTemplate().
int currentTemplateNumber = 1;

// The database file a connect string names: the text from "DBQ=" up to and
// including the standard file name. "" and a reason when there is none.
CString databasePathOf(const CString& connectStr, CString* problem)
{
    if (connectStr.IsEmpty()) {
        *problem = "not set";
        return CString();
    }
    const int dbq = connectStr.Find("DBQ=");
    if (dbq < 0) {
        *problem = "has no \"DBQ=\" entry";
        return CString();
    }
    const int name = connectStr.Find(databaseFileName, dbq + 4);
    if (name < 0) {
        *problem = CString("does not name \"") + databaseFileName + "\" after \"DBQ=\"";
        return CString();
    }
    return connectStr.Mid(
        dbq + 4, name + static_cast<int>(std::strlen(databaseFileName)) - dbq - 4);
}

bool fileExists(const CString& path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The connect string when its database file exists; otherwise "" and the
// reason.
CString usable(const CString& connectStr, CString* problem)
{
    const CString path = databasePathOf(connectStr, problem);
    if (path.IsEmpty())
        return CString();
    if (!fileExists(path)) {
        *problem = "names the database file " + path + ", which does not exist ("
            + CString(winport::toNativePath(path).c_str()) + ")";
        return CString();
    }
    problem->Empty();
    return connectStr;
}

// The template numbered `number` in the file's text: lines end with a line feed
// (carriage returns are ignored), a last line without one does not count; the
// first character is the number (0 when it is not a digit) and the template
// starts after four characters. A blank line has no number and is no template.
bool templateFromText(const char* text, int number, CString* result)
{
    CString line;
    for (const char* p = text; *p; ++p) {
        if (*p == '\r')
            continue;
        if (*p != '\n') {
            line += *p;
            continue;
        }
        const int lineNumber = std::atoi(line.Left(1));
        if (!line.IsEmpty() && lineNumber == number) {
            *result = line.Mid(4);
            return true;
        }
        line.Empty();
    }
    return false;
}

// Reads the whole file into a zero-filled buffer; a file that cannot be read
// completely is used as far as it was read. False when the file cannot be
// opened.
bool readTemplateFile(const char* name, std::vector<char>* text)
{
    CFile file;
    if (!file.Open(name, CFile::modeRead | CFile::shareDenyNone))
        return false;
    text->assign(10, '\0');
    try {
        const ULONGLONG length = file.GetLength();
        text->assign(static_cast<size_t>(length) + 10, '\0');
        for (size_t done = 0; done < length;) {
            const UINT n = file.Read(text->data() + done, static_cast<UINT>(length - done));
            if (n == 0)
                break;
            done += n;
        }
    } catch (CFileException* e) {
        e->Delete();
    }
    file.Abort();
    return true;
}
} // namespace

const char* CTessiloApp::ConnectBuiltInTemplate(int number)
{
    return builtInTemplates[number >= 0 && number <= 5 ? number : 1];
}

int CTessiloApp::ConnectCurrentTemplateNumber()
{
    CriticalSectionHold hold(ConnectStrLock());
    return currentTemplateNumber;
}

ConnectStrChoice CTessiloApp::ConnectExplainConnectStr()
{
    ConnectStrChoice choice;
    choice.stored = getProfileString("ConnectStr", "");
    choice.connectStr = usable(choice.stored, &choice.storedProblem);
    if (!choice.connectStr.IsEmpty()) {
        choice.source = ConnectStrChoice::sourceStored;
        return choice;
    }
    choice.installedStr = getProfileString("ConnectStrInstalled", "");
    choice.connectStr = usable(choice.installedStr, &choice.installedProblem);
    if (!choice.connectStr.IsEmpty())
        choice.source = ConnectStrChoice::sourceInstalled;
    return choice;
}

CString CTessiloApp::ConnectGetConnectStr() { return ConnectExplainConnectStr().connectStr; }

CString CTessiloApp::ConnectDatabaseFile(const CString& connectStr)
{
    CString problem;
    return databasePathOf(connectStr, &problem);
}

ConnectStrTemplate CTessiloApp::ConnectFindTemplate(int number)
{
    CriticalSectionHold hold(ConnectStrLock());
    ConnectStrTemplate found;
    found.number = number;
    CurrentDir(1);
    std::vector<char> text;
    const char* opened = nullptr;
    if (readTemplateFile(templateFileName, &text))
        opened = templateFileName;
    else if (readTemplateFile(templateFileFallback, &text))
        opened = templateFileFallback;
    if (opened && templateFromText(text.data(), number, &found.text))
        found.file = winport::toNativePath(opened).c_str();
    else
        found.text = ConnectBuiltInTemplate(number);
    CurrentDir(0);
    return found;
}

CString CTessiloApp::GetConnectStrTemplate(int number) { return ConnectFindTemplate(number).text; }

CString CTessiloApp::GetConnectStrTemplate()
{
    CriticalSectionHold hold(ConnectStrLock());
    const CString type = getProfileString("ConnectStrType", ConnectBuiltInTemplate(1));
    if (type.IsEmpty())
        return CString();
    currentTemplateNumber = static_cast<int>(std::strtol(type, nullptr, 10));
    return GetConnectStrTemplate(currentTemplateNumber);
}

BOOL CTessiloApp::GetODBCConnectSplitPath(
    const char* path, char* drive, char* dir, char* fileName, char* extension)
{
    if (!path || !drive || !dir || !fileName || !extension || std::strlen(path) > 259)
        return FALSE;
    char d[3], p[256], f[256], e[256];
    if (_splitpath_s(path, d, sizeof d, p, sizeof p, f, sizeof f, e, sizeof e) != 0)
        return FALSE;
    std::strcpy(drive, d);
    std::strcpy(dir, p);
    std::strcpy(fileName, f);
    std::strcpy(extension, e);
    return TRUE;
}

namespace {
// The value of "KEY=" up to the next ";", when the template has both.
bool entryValue(const CString& text, const char* key, CString* value)
{
    const int start = text.Find(key);
    if (start < 0)
        return false;
    const int from = start + static_cast<int>(std::strlen(key));
    const int end = text.Find(';', from);
    if (end < 0)
        return false;
    *value = text.Mid(from, end - from);
    return true;
}
} // namespace

CString CTessiloApp::GetODBCConnectStr(CString databasePath, CString defaultDir)
{
    CString t = GetConnectStrTemplate();
    if (t.IsEmpty())
        return t;
    CString old;
    if (entryValue(t, "DBQ=", &old))
        t.Replace(old, databasePath);
    else
        t += "DBQ=" + databasePath + ";";

    char drive[3], dir[256], fileName[256], extension[256];
    const BOOL split = GetODBCConnectSplitPath(databasePath, drive, dir, fileName, extension);

    if (entryValue(t, "FILEDSN=", &old)) {
        t.Replace(old, databasePath + ".dsn");
    } else {
        const int colon = databasePath.Find(':');
        const int backslash = databasePath.Find('\\');
        CString rest;
        if (colon >= 0)
            rest = databasePath.Mid((backslash > colon ? backslash : colon) + 1);
        t += "FILEDSN=" + rest + ";";
    }

    if (entryValue(t, "DefaultDir=", &old)) {
        t.Replace(old, defaultDir);
    } else {
        t += "Defaultdir=";
        t += split ? CString(drive) + dir : defaultDir;
        t += ";";
    }
    return t;
}
