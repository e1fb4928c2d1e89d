// BookSQL: choosing a database file with the open dialog.
#include "sqlpages/booksql.h"
#include "app/tessilo.h"

#include <cstring>

long BookSQL::fileGetDB(char* file, char* directory, DWORD flags)
{
    TessiloApp.CurrentDir(0);
    CFileDialog dialog(TRUE, ".mdb", nullptr, flags, "Databases|*.mdb||", this);
    char path[MAX_PATH] = {};
    char title[MAX_PATH] = {};
    dialog.m_ofn.lpstrFile = path;
    dialog.m_ofn.nMaxFile = MAX_PATH;
    dialog.m_ofn.lpstrFileTitle = title;
    dialog.m_ofn.nMaxFileTitle = MAX_PATH;
    dialog.m_ofn.lpstrTitle = "Select Database Location and Name";
    if (dialog.DoModal() != IDOK)
        return 0;
    CString chosen = dialog.GetPathName();
    if (file) {
        std::strncpy(file, chosen, MAX_PATH - 1);
        file[MAX_PATH - 1] = '\0';
    }
    if (file && directory && !chosen.IsEmpty()) {
        const char* initial = dialog.m_ofn.lpstrInitialDir;
        if (initial && *initial) {
            std::strncpy(directory, initial, 255);
            directory[255] = '\0';
        } else {
            ::GetCurrentDirectoryA(255, directory);
        }
    }
    return 0;
}

long BookSQL::FileGetDB(char* file, char* directory)
{
    return fileGetDB(file, directory, OFN_LONGNAMES | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
}

long BookSQL::FileGetDBPath(char* file, char* directory)
{
    return fileGetDB(file, directory, OFN_LONGNAMES);
}
