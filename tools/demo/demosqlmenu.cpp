#include "demosqlmenu.h"

#include "app/tessilo.h"
#include "resources/resource.h"
#include "sqlpages/bookpagesqlset.h"

demoSqlMenu::demoSqlMenu(CWnd* frame, BookSQL* book, std::function<void(const CString&)> status)
    : m_frame(frame)
    , m_book(book)
    , m_status(std::move(status))
{
    CMenu file, edit, view;
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, demoOpenDatabaseCommand, "&Open database...");
    file.AppendMenu(MF_SEPARATOR, 0, nullptr);
    file.AppendMenu(MF_STRING, demoPrintCommand, "&Print...");
    file.AppendMenu(MF_STRING, demoPrintPreviewCommand, "Print Pre&view");
    file.AppendMenu(MF_STRING, demoPrintSetupCommand, "P&rint Setup...");
    file.AppendMenu(MF_STRING, demoSaveReportCommand, "&Save report...");
    file.AppendMenu(MF_SEPARATOR, 0, nullptr);
    file.AppendMenu(MF_STRING, demoExitCommand, "E&xit");
    edit.CreatePopupMenu();
    edit.AppendMenu(MF_STRING, demoCutCommand, "Cu&t");
    edit.AppendMenu(MF_STRING, demoCopyCommand, "&Copy");
    edit.AppendMenu(MF_STRING, demoPasteCommand, "&Paste");
    view.CreatePopupMenu();
    view.AppendMenu(MF_STRING, demoFontCommand, "&Font...");
    view.AppendMenu(MF_STRING, demoLogCommand, "&Log");
    HMENU bar = ::GetMenu(frame->m_hWnd);
    if (!bar) {
        m_bar.CreateMenu();
        bar = m_bar.GetSafeHmenu();
    }
    ::AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), "&File");
    ::AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit.Detach()), "&Edit");
    ::AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view.Detach()), "&View");
    ::SetMenu(frame->m_hWnd, bar);
}

demoSqlMenu::~demoSqlMenu()
{
    if (m_frame->GetSafeHwnd() && ::GetMenu(m_frame->m_hWnd) == m_bar.GetSafeHmenu())
        ::SetMenu(m_frame->m_hWnd, nullptr);
}

CString demoSqlMenu::demoSqlMenuConnection()
{
    if (!m_book->bookSQLGetStatement())
        return "No database: the profile's \"ConnectStr\" names none that answers "
               "(tessilo-sampledb --profile builds the sample database)";
    return "Database " + m_book->GetODBCDatabaseName();
}

void demoSqlMenu::demoSqlMenuOpenDatabase()
{
    char file[MAX_PATH] = {};
    char directory[MAX_PATH] = {};
    m_book->FileGetDB(file, directory);
    if (!file[0])
        return;
    TessiloApp.writeProfileString(
        "ConnectStr", TessiloApp.GetODBCConnectStr(CString(file), CString(directory)));
    BookPageSQLSet* settings = m_book->bookSQLGetSettingsPage();
    if (!settings || !m_book->bookSQLGetStatement()) {
        m_status("The database is chosen for the next start: " + CString(file));
        return;
    }
    m_book->bookToPage(static_cast<unsigned int>(m_book->bookSQLGetSettingsPageNumber()));
    HWND dialog = settings->PageSetGetDialog();
    ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDC_SQLSET_DATABASE, BN_CLICKED),
        reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_SQLSET_DATABASE)));
    m_status(demoSqlMenuConnection());
}

BOOL demoSqlMenu::demoSqlMenuCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case demoOpenDatabaseCommand:
        demoSqlMenuOpenDatabase();
        return TRUE;
    case demoPrintCommand:
        m_book->bookPrint();
        return TRUE;
    case demoPrintPreviewCommand:
        m_book->bookPrintPreview();
        return TRUE;
    case demoPrintSetupCommand:
        if (HDC printer = TessiloApp.SelectPrinter(m_frame->m_hWnd))
            ::DeleteDC(printer);
        return TRUE;
    case demoSaveReportCommand:
        m_book->bookFileSave();
        return TRUE;
    case demoExitCommand:
        m_frame->DestroyWindow();
        return TRUE;
    case demoCutCommand:
        m_book->bookEditCut();
        return TRUE;
    case demoCopyCommand:
        m_book->bookEditCopy();
        return TRUE;
    case demoPasteCommand:
        m_book->bookEditPaste();
        return TRUE;
    case demoFontCommand:
        m_book->bookSetFont();
        return TRUE;
    case demoLogCommand:
        m_book->bookViewLog();
        return TRUE;
    default:
        return FALSE;
    }
}
