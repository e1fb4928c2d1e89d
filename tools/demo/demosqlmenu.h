// The demo host's File, Edit and View menus. Their commands go to the SQL book as the framework
// routes them: printing, saving, the edit commands and the font to the current page, the log to
// the result page; "Open database..." picks a database file and reconnects through the settings
// page's change-database flow.
#pragma once

#include "sqlpages/booksql.h"

#include <functional>

enum demoSqlMenuId : UINT {
    demoOpenDatabaseCommand = 3101,
    demoPrintCommand,
    demoPrintPreviewCommand,
    demoPrintSetupCommand,
    demoSaveReportCommand,
    demoExitCommand,
    demoCutCommand = 3111,
    demoCopyCommand,
    demoPasteCommand,
    demoFontCommand = 3121,
    demoLogCommand,
};

class demoSqlMenu {
public:
    // Puts the menus on the frame's menu bar (making the bar); `status` shows what a command did.
    demoSqlMenu(CWnd* frame, BookSQL* book, std::function<void(const CString&)> status);
    ~demoSqlMenu();
    demoSqlMenu(const demoSqlMenu&) = delete;
    demoSqlMenu& operator=(const demoSqlMenu&) = delete;

    // The menus' commands; FALSE for commands of others.
    BOOL demoSqlMenuCommand(WPARAM wParam, LPARAM lParam);
    // "Open database...": the chosen file becomes the profile's database and the book reconnects.
    void demoSqlMenuOpenDatabase();
    // The status text of the book's connection.
    CString demoSqlMenuConnection();

private:
    CWnd* m_frame;
    BookSQL* m_book;
    std::function<void(const CString&)> m_status;
    CMenu m_bar;
};
