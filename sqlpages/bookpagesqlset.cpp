// BookPageSQLSet: the settings dialog's start, its immediate effects, saving and the
// change-database flow.
#include "sqlpages/bookpagesqlset.h"
#include "app/tessilo.h"
#include "dialogs/mfcdatesel.h"
#include "resources/resource.h"
#include "sqlpages/booksql.h"
#include "sqlpages/bookpagesqlrslt.h"
#include "sqlpages/letterheadtext.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

namespace {

const long kBytesPerMegabyte = 1048576;
const int kLetterHeadSize = 16384;

// The page each settings dialog serves, by dialog window.
std::map<HWND, BookPageSQLSet*>& servedPages()
{
    static std::map<HWND, BookPageSQLSet*> pages;
    return pages;
}
BookPageSQLSet* pageCreating = nullptr;

int profileInt(const char* key, const char* defaultValue)
{
    return std::atoi(TessiloApp.getProfileString(key, defaultValue));
}
void writeFlag(const char* key, bool on) { TessiloApp.writeProfileString(key, on ? "1" : "0"); }
void writeNumber(const char* key, long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld", value);
    TessiloApp.writeProfileString(key, text);
}
bool checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void check(HWND dialog, int id, bool on)
{
    ::SendDlgItemMessage(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The check boxes and the profile keys they stand for, in both directions: the dialog shows each
// from the profile when it starts and a click or leaving the page writes it back.
enum class BoxKind {
    // Written when the page is left; a click tells the result page at once (when it has a setter).
    Report,
    // Written at every click; starting the dialog writes the profile's value back as a number.
    Immediate,
    // As Immediate, and also written when the page is left.
    ImmediateAndSaved,
};
struct Box {
    int id;
    const char* key;
    const char* defaultValue;
    BoxKind kind;
    void (BookPageSQLRslt::*tell)(int on);
};
const Box kBoxes[] = {
    { IDC_SQLSET_USELETTERHEAD, "UseLetterHead", "0", BoxKind::Report,
        &BookPageSQLRslt::bookpageSetLetterHead },
    { IDC_SQLSET_USEHEADERS, "UseHeaders", "0", BoxKind::Report,
        &BookPageSQLRslt::bookpageSetHeaders },
    { IDC_SQLSET_USEFOOTERS, "UseFooters", "0", BoxKind::Report,
        &BookPageSQLRslt::bookpageSetFooters },
    { IDC_SQLSET_PAGENUMBERS, "UsePageNumbers", "0", BoxKind::Report,
        &BookPageSQLRslt::bookpageSetPageNumbering },
    { IDC_SQLSET_FIELDWRAPPING, "UseFieldWrapping", "1", BoxKind::Report, nullptr },
    { IDC_SQLSET_USETITLES, "UseTitles", "1", BoxKind::Report,
        &BookPageSQLRslt::bookpageSetTitles },
    { IDC_SQLSET_USETOTALS, "UseTotals", "1", BoxKind::Report,
        &BookPageSQLRslt::bookpageSetTotals },
    { IDC_SQLSET_USEDATE, "UseDate", "1", BoxKind::Report, &BookPageSQLRslt::bookpageSetDate },
    { IDC_SQLSET_SCALEORDERS, "ScaleOrders", "0", BoxKind::Immediate, nullptr },
    { IDC_SQLSET_FONTREQUESTUSE, "FontRequestUse", "0", BoxKind::ImmediateAndSaved, nullptr },
    { IDC_SQLSET_FONTREQUEST, "FontRequest", "0", BoxKind::ImmediateAndSaved, nullptr },
};

const Box* findBox(int id)
{
    for (const Box& box : kBoxes)
        if (box.id == id)
            return &box;
    return nullptr;
}

// The snap-to boxes by kind (1 week, 2 month, 3 year) and the menu keys they switch.
struct SnapBox {
    int id;
    const char* menuKey;
};
const SnapBox kSnapBoxes[] = { { IDC_SQLSET_SNAPWEEK, "WaterWeekMenu" },
    { IDC_SQLSET_SNAPMONTH, "WaterMonthMenu" }, { IDC_SQLSET_SNAPYEAR, "WaterYearMenu" } };

// Ends an open date selection: its window and the object.
void closeDate(mfcDateSel*& date)
{
    if (!date)
        return;
    if (date->GetSafeHwnd())
        date->DestroyWindow();
    delete date;
    date = nullptr;
}

// The kind of a snap-to box, 0 for any other control.
int snapKind(int id)
{
    for (int slot = 0; slot < 3; ++slot)
        if (kSnapBoxes[slot].id == id)
            return slot + 1;
    return 0;
}

const char kChangeWarningCaption[] = "WARNING : Changing Database.";
const char kChangeWarning[] = "You are Requesting to Change the current Database.\n\n"
                              "THIS IS NOT A SAFE METHOD TO CHANGE DATABASES !\n"
                              "If there is an existing menu item : 'Change Database',\n"
                              "it is recommended to Press 'No' here, then proceed\n"
                              "to the men item : 'Change Database'\n\n"
                              "If you Press 'Yes', to proceed, other components\n"
                              "may become out-of-synch, hence you must\n"
                              "shutdown and restart the application.\n\n"
                              "Proceed ? ( Recommend 'No' )\n";
const char kChangeFailedCaption[] = "Change Database failed";
const char kChangeFailed[] = "Change Database failed.\n\n"
                             "ReCheck ODBC Settings.\n\n"
                             "Resetting Back to Original Database.\n";
const char kRestoreFailed[] = "ReInitializing Original Database failed.\n\n"
                              "ReCheck ODBC Settings.\n\n";

} // namespace

BookPageSQLSet::BookPageSQLSet()
    : m_font(nullptr)
    , m_fontHandle(nullptr)
    , m_dialog(nullptr)
    , m_date(nullptr)
    , m_dateKind(-1)
{
}

BookPageSQLSet::BookPageSQLSet(book* owner, char* title, unsigned int image, long* result)
    : bookpage(owner, title, image, result)
    , m_font(nullptr)
    , m_fontHandle(nullptr)
    , m_dialog(nullptr)
    , m_date(nullptr)
    , m_dateKind(-1)
{
    long status = result ? *result : 0;
    if (status == 0) {
        status = bookpageInit(title, image);
        if (status == 0 && owner && owner->GetSafeHwnd()) {
            pageCreating = this;
            m_dialog = ::CreateDialogParamA(CTessiloApp::GetLibraryModule(),
                MAKEINTRESOURCEA(IDD_BOOKSQL_SETTINGS), owner->GetSafeHwnd(), dialogProc,
                reinterpret_cast<LPARAM>(this));
            pageCreating = nullptr;
            if (!m_dialog)
                status = E_FAIL;
        }
    }
    if (result)
        *result = status;
}

BookPageSQLSet::~BookPageSQLSet() { BookPageSQLSet::bookpageDestroy(); }

BookSQL* BookPageSQLSet::sqlBook() { return dynamic_cast<BookSQL*>(bookpageGetOwner()); }

long BookPageSQLSet::bookpageCreate() { return 0; }

long BookPageSQLSet::bookpageDestroy()
{
    closeDate(m_date);
    m_dateKind = -1;
    delete m_font;
    m_font = nullptr;
    if (m_dialog) {
        servedPages().erase(m_dialog);
        if (::IsWindow(m_dialog))
            ::DestroyWindow(m_dialog);
        m_dialog = nullptr;
    }
    if (m_fontHandle) {
        ::DeleteObject(m_fontHandle);
        m_fontHandle = nullptr;
    }
    return 0;
}

long BookPageSQLSet::bookpageChanging()
{
    if (m_dialog) {
        ::SendMessage(m_dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ::ShowWindow(m_dialog, SW_HIDE);
    }
    return bookpage::bookpageChanging();
}

long BookPageSQLSet::bookpageChange()
{
    if (m_dialog) {
        readSnapTo();
        ::SetWindowPos(m_dialog, nullptr, 2, 27, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ::ShowWindow(m_dialog, SW_SHOW);
        ::SetFocus(m_dialog);
    }
    return bookpage::bookpageChange();
}

long BookPageSQLSet::bookpageSize(unsigned int, int, int) { return 0; }
long BookPageSQLSet::bookpageMove(int, int) { return 0; }
BOOL BookPageSQLSet::bookpageCmdMsg(unsigned int, int, void*, AFX_CMDHANDLERINFO*) { return 0; }
long BookPageSQLSet::bookpageEditCopy() { return 0; }
long BookPageSQLSet::bookpageEditCut() { return 0; }
long BookPageSQLSet::bookpageEditPaste() { return 0; }
long BookPageSQLSet::bookpagePrint() { return 0; }
long BookPageSQLSet::bookpagePrintPreview() { return 0; }
void BookPageSQLSet::bookpageButtonProcessReadOnly() { }

BOOL BookPageSQLSet::bookpagePreTranslateMessage(MSG* msg)
{
    return m_dialog && msg && ::IsDialogMessage(m_dialog, msg);
}

void BookPageSQLSet::bookpageShow(BOOL show)
{
    if (m_dialog)
        ::ShowWindow(m_dialog, show ? SW_SHOW : SW_HIDE);
}

long BookPageSQLSet::bookpageSetFont(HWND window, LOGFONTA* logFont)
{
    if (!logFont)
        return E_FAIL;
    if (m_fontHandle)
        ::DeleteObject(m_fontHandle);
    m_fontHandle = ::CreateFontIndirect(logFont);
    if (window && m_fontHandle)
        ::SendMessage(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontHandle), TRUE);
    return m_fontHandle ? 0 : E_FAIL;
}

long BookPageSQLSet::bookpageSetFont(HWND window, int size, char* face)
{
    long rc = bookpageCreateFont(size, face);
    if (rc == 0 && window && m_fontHandle)
        ::SendMessage(window, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontHandle), TRUE);
    return rc;
}

long BookPageSQLSet::bookpageSetFont(HWND window)
{
    LOGFONTA current {};
    HFONT font
        = window ? reinterpret_cast<HFONT>(::SendMessage(window, WM_GETFONT, 0, 0)) : nullptr;
    INT_PTR answer;
    if (font && ::GetObject(font, sizeof current, &current)) {
        CFontDialog dialog(&current, CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT);
        answer = dialog.DoModal();
        if (answer == IDOK)
            return bookpageSetFont(window, &dialog);
    } else {
        book* owner = bookpageGetOwner();
        CDC printer;
        HDC dc = owner ? owner->GetPrinterDC() : nullptr;
        if (dc)
            printer.Attach(dc);
        CFontDialog dialog(nullptr, CF_BOTH | CF_EFFECTS, dc ? &printer : nullptr);
        answer = dialog.DoModal();
        if (dc)
            ::DeleteDC(printer.Detach());
        if (answer == IDOK)
            return bookpageSetFont(window, &dialog);
    }
    return 2;
}

long BookPageSQLSet::bookpageSetFont(HWND window, CFontDialog* dialog)
{
    if (!dialog || !dialog->m_cf.lpLogFont)
        return E_FAIL;
    LOGFONTA chosen = *dialog->m_cf.lpLogFont;
    long rc = bookpageSetFont(window, &chosen);
    if (rc != 0)
        return rc;
    int points = dialog->GetSize() / 10;
    char description[256];
    std::snprintf(description, sizeof description, "%d Point - %s", points, chosen.lfFaceName);
    if (m_dialog)
        ::SetDlgItemText(m_dialog, IDC_SQLSET_FONTNAME, description);
    TessiloApp.writePrivateProfileStruct(
        "LetterHeadFontLog", &chosen, static_cast<long>(sizeof chosen));
    writeNumber("LetterHeadFontLogPitch", points);
    TessiloApp.writeProfileString("LetterHeadFont", description);
    return 0;
}

long BookPageSQLSet::bookpageCreateFont(int size, char* face)
{
    delete m_font;
    m_font = nullptr;
    if (!face)
        return 0;
    m_font = new CFont;
    LOGFONTA logFont {};
    if (!m_font->CreatePointFont(size * 10, face) || !m_font->GetLogFont(&logFont)) {
        delete m_font;
        m_font = nullptr;
        return E_FAIL;
    }
    if (m_fontHandle)
        ::DeleteObject(m_fontHandle);
    m_fontHandle = ::CreateFontIndirect(&logFont);
    return m_fontHandle ? 0 : E_FAIL;
}

void BookPageSQLSet::GetDate()
{
    closeDate(m_date);
    m_date = new mfcDateSel(bookpageGetOwner(), m_dialog, CTime::GetCurrentTime());
}

void BookPageSQLSet::initDialog()
{
    HWND d = m_dialog;
    ::SetWindowText(d, "Database Settings");
    BookSQL* owner = sqlBook();
    bookMfcSQLBookSQL* sql = owner ? owner->bookSQLGetStatement() : nullptr;
    CString current = TessiloApp.ConnectGetConnectStr();
    // A statement connected from a string of its own keeps it when the profile names none.
    if (sql && !current.IsEmpty() && current.GetLength() < MFCSQL_CONNECT_SIZE)
        std::strcpy(sql->m_ODBCItem.connect, current);
    ::SetDlgItemText(d, IDC_SQLSET_CONNECTSTR, sql ? sql->m_ODBCItem.connect : current.GetString());

    for (const Box& box : kBoxes) {
        int value = profileInt(box.key, box.defaultValue);
        check(d, box.id, value == 1);
        if (box.kind != BoxKind::Report)
            writeNumber(box.key, value);
    }

    char stored[kLetterHeadSize] = {};
    ::GetProfileStringA(
        CTessiloApp::profileSection, "LetterHead", "LetterHead", stored, sizeof stored);
    ::SetDlgItemText(d, IDC_SQLSET_LETTERHEAD, letterHeadFromProfile(stored).c_str());

    ::SetDlgItemText(d, IDC_SQLSET_FONTNAME, TessiloApp.getProfileString("LetterHeadFont", "Font"));
    LOGFONTA font {};
    if (TessiloApp.getPrivateProfileStruct(
            "LetterHeadFontLog", &font, static_cast<long>(sizeof font)))
        bookpageSetFont(::GetDlgItem(d, IDC_SQLSET_LETTERHEAD), &font);

    int places = profileInt("DecimalPlaces", "2");
    if (places == 0) {
        places = 2;
        TessiloApp.writeProfileString("DecimalPlaces", "2");
    }
    // Two digits: the report writer pads every total to its decimals.
    ::SendDlgItemMessage(d, IDC_SQLSET_DECIMALPLACES, EM_LIMITTEXT, 2, 0);
    ::SetDlgItemInt(d, IDC_SQLSET_DECIMALPLACES, static_cast<UINT>(places), FALSE);
    ::SendDlgItemMessage(d, IDC_SQLSET_TITLETOTALCHAR, EM_LIMITTEXT, 1, 0);
    ::SetDlgItemText(
        d, IDC_SQLSET_TITLETOTALCHAR, TessiloApp.getProfileString("TitleTotalChar", "-"));

    int align = profileInt("AlignHeader", "1");
    for (int id = IDC_SQLSET_ALIGNLEFT; id <= IDC_SQLSET_ALIGNRIGHT; ++id)
        check(d, id, id - IDC_SQLSET_ALIGNLEFT == align);

    long bytes = std::atol(TessiloApp.getProfileString("logfilesizeMB", "1048576"));
    ::SendDlgItemMessage(d, IDC_SQLSET_LOGSIZEMB, EM_LIMITTEXT, 5, 0);
    ::SetDlgItemInt(d, IDC_SQLSET_LOGSIZEMB, static_cast<UINT>(bytes / kBytesPerMegabyte), FALSE);
    logSizeChanged();

    ::EnableWindow(::GetDlgItem(d, IDC_SQLSET_FONTREQUEST), profileInt("FontRequestUse", "0") >= 1);

    ::SetWindowPos(d, nullptr, 2, 27, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SendMessage(d, DM_SETDEFID, IDOK, 0);
}

void BookPageSQLSet::readSnapTo()
{
    for (const SnapBox& box : kSnapBoxes) {
        int value = profileInt(box.menuKey, "1");
        check(m_dialog, box.id, value > 0);
        writeNumber(box.menuKey, value);
    }
    writeNumber("WaterYearDay", profileInt("WaterYearDay", "1"));
}

void BookPageSQLSet::save()
{
    HWND d = m_dialog;
    BookSQL* owner = sqlBook();
    if (bookMfcSQLBookSQL* sql = owner ? owner->bookSQLGetStatement() : nullptr)
        TessiloApp.writeProfileString("ConnectStr", sql->m_ODBCItem.connect);
    for (const Box& box : kBoxes)
        if (box.kind != BoxKind::Immediate)
            writeFlag(box.key, checked(d, box.id));
    char text[kLetterHeadSize] = {};
    ::GetDlgItemText(d, IDC_SQLSET_LETTERHEAD, text, kLetterHeadSize);
    ::WriteProfileStringA(
        CTessiloApp::profileSection, "LetterHead", letterHeadToProfile(text).c_str());

    BOOL number = FALSE;
    UINT places = ::GetDlgItemInt(d, IDC_SQLSET_DECIMALPLACES, &number, FALSE);
    if (!number || places == 0) {
        places = 2;
        ::SetDlgItemInt(d, IDC_SQLSET_DECIMALPLACES, places, FALSE);
    }
    writeNumber("DecimalPlaces", static_cast<long>(places));

    char separator[5] = {};
    ::GetDlgItemText(d, IDC_SQLSET_TITLETOTALCHAR, separator, sizeof separator);
    TessiloApp.writeProfileString("TitleTotalChar", separator);

    for (int id = IDC_SQLSET_ALIGNLEFT; id <= IDC_SQLSET_ALIGNRIGHT; ++id)
        if (checked(d, id))
            writeNumber("AlignHeader", id - IDC_SQLSET_ALIGNLEFT);

    logSizeChanged();
    char megabytes[9] = {};
    ::GetDlgItemText(d, IDC_SQLSET_LOGSIZEMB, megabytes, sizeof megabytes);
    long bytes = std::atol(megabytes) * kBytesPerMegabyte;
    writeNumber("logfilesizeMB", bytes);
    book::bookSetLogSize(bytes);
}

void BookPageSQLSet::logSizeChanged()
{
    static bool rewriting = false;
    if (rewriting)
        return;
    rewriting = true;
    char text[16] = {};
    ::GetDlgItemText(m_dialog, IDC_SQLSET_LOGSIZEMB, text, sizeof text);
    long value = std::atol(text);
    const char* replacement = nullptr;
    if (!text[0] || value < 1) {
        value = 1;
        replacement = "1";
    } else if (value > 5) {
        value = 5;
        replacement = "5";
    }
    if (replacement)
        ::SetDlgItemText(m_dialog, IDC_SQLSET_LOGSIZEMB, replacement);
    char bytes[32];
    std::snprintf(bytes, sizeof bytes, "%ld", value * kBytesPerMegabyte);
    ::SetDlgItemText(m_dialog, IDC_SQLSET_LOGSIZEBYTES, bytes);
    rewriting = false;
}

void BookPageSQLSet::changeDatabase()
{
    BookSQL* owner = sqlBook();
    bookMfcSQLBookSQL* sql = owner ? owner->bookSQLGetStatement() : nullptr;
    if (::MessageBox(m_dialog, kChangeWarning, kChangeWarningCaption, MB_YESNO | MB_ICONWARNING)
        != IDYES)
        return;
    if (sql) {
        CString kept = sql->m_ODBCItem.connect;
        sql->MfcSQLDeInit();
        if (sql->MfcSQLInit() == 0) {
            TessiloApp.writeProfileString("ConnectStr", sql->m_ODBCItem.connect);
        } else {
            ::MessageBox(m_dialog, kChangeFailed, kChangeFailedCaption, MB_OK | MB_ICONSTOP);
            sql->MfcSQLDeInit();
            if (sql->MfcSQLInit(const_cast<char*>(kept.GetString())) != 0)
                ::MessageBox(m_dialog, kRestoreFailed, kChangeFailedCaption, MB_OK | MB_ICONSTOP);
        }
        // Reconnecting cleared the statement's outputs: the result page hands them back.
        if (BookPageSQLRslt* result = owner->bookSQLGetResultPage())
            result->PageRsltRegister();
    }
    ::SetDlgItemText(m_dialog, IDC_SQLSET_CONNECTSTR, sql ? sql->m_ODBCItem.connect : "");
}

void BookPageSQLSet::dateDone()
{
    if (m_dateKind < 1 || m_dateKind > 3)
        return;
    const SnapBox& box = kSnapBoxes[m_dateKind - 1];
    if (!m_date || !m_date->GetSafeHwnd() || !m_date->bConfirmed) {
        TessiloApp.writeProfileString(box.menuKey, "0");
        check(m_dialog, box.id, false);
    } else {
        CTime day = mfcDateGet();
        if (m_dateKind == 1) {
            writeNumber("WaterWeekDay", day.GetDayOfWeek());
        } else if (m_dateKind == 2) {
            writeNumber("WaterMonthDay", day.GetDay());
        } else {
            writeNumber("WaterYearMonth", day.GetMonth());
            writeNumber("WaterYearDay", day.GetDay());
        }
        TessiloApp.writeProfileString(box.menuKey, "1");
        check(m_dialog, box.id, true);
    }
    closeDate(m_date);
    m_dateKind = -1;
}

void BookPageSQLSet::command(int id, int code)
{
    HWND d = m_dialog;
    BookSQL* owner = sqlBook();
    BookPageSQLRslt* result = owner ? owner->bookSQLGetResultPage() : nullptr;
    bool on = id != IDOK && checked(d, id);
    switch (id) {
    case IDOK:
        save();
        return;
    case IDC_SQLSET_DATABASE:
        changeDatabase();
        return;
    case IDC_SQLSET_CHANGEFONT:
        if (owner)
            owner->bookSetFont(::GetDlgItem(d, IDC_SQLSET_LETTERHEAD));
        return;
    case IDC_SQLSET_LOGSIZEMB:
        if (code == EN_CHANGE)
            logSizeChanged();
        return;
    case IDC_MFCDATESEL_DONE:
        dateDone();
        return;
    default:
        break;
    }
    if (code != BN_CLICKED)
        return;
    if (const Box* box = findBox(id)) {
        if (box->kind != BoxKind::Report)
            writeFlag(box->key, on);
        else if (box->tell && result)
            (result->*box->tell)(on);
        if (id == IDC_SQLSET_FONTREQUESTUSE)
            ::EnableWindow(::GetDlgItem(d, IDC_SQLSET_FONTREQUEST), on);
    } else if (id >= IDC_SQLSET_ALIGNLEFT && id <= IDC_SQLSET_ALIGNRIGHT) {
        if (result)
            result->bookpageSetLetterHeadAlign(
                static_cast<unsigned int>(id - IDC_SQLSET_ALIGNLEFT));
    } else if (int kind = snapKind(id)) {
        writeFlag(kSnapBoxes[kind - 1].menuKey, on);
        // Checking a box asks for the snap-to day of its calendar.
        if (on) {
            m_dateKind = kind;
            GetDate();
        }
    }
}

INT_PTR CALLBACK BookPageSQLSet::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<BookPageSQLSet*>(lParam);
        if (!page)
            page = pageCreating;
        if (!page)
            return TRUE;
        servedPages()[dialog] = page;
        page->m_dialog = dialog;
        page->initDialog();
        return TRUE;
    }
    auto found = servedPages().find(dialog);
    if (found == servedPages().end())
        return FALSE;
    BookPageSQLSet* page = found->second;
    switch (message) {
    case WM_COMMAND:
        page->command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        servedPages().erase(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}
