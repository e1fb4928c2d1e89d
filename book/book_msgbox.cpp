// The book's modeless message box (dialog 1003). Answering does not close it: the answer goes to
// the current page of the book that opened it, and the page closes the box when it is done.
#include "book/book.h"

#include "app/tessilo.h"
#include "resources/resource.h"

namespace {

// One record for the process: a second box, from any book, overwrites the first one's.
_bookMessageBox messageBoxRecord { nullptr, CString(), CString(), 0 };
// The book the dialog procedure reports to, and a box being closed (its answers are not news).
book* messageBoxBook = nullptr;
HWND closingBox = nullptr;

void showButton(HWND dialog, int id)
{
    HWND button = ::GetDlgItem(dialog, id);
    if (!button)
        return;
    ::ShowWindow(button, SW_SHOW);
    ::EnableWindow(button, TRUE);
}

// Cancel is always offered to callers' types 1 and 6; the other buttons follow the Win32 types.
void showButtons(HWND dialog, int type)
{
    switch (type & 0xF) {
    case MB_OKCANCEL:
        showButton(dialog, IDOK);
        showButton(dialog, IDCANCEL);
        break;
    case MB_YESNO:
        showButton(dialog, IDC_BOOK_MESSAGEBOX_YES);
        showButton(dialog, IDC_BOOK_MESSAGEBOX_NO);
        break;
    case MB_YESNOCANCEL:
    case 6: // the callers' question type: Yes, No and Cancel
        showButton(dialog, IDC_BOOK_MESSAGEBOX_YES);
        showButton(dialog, IDC_BOOK_MESSAGEBOX_NO);
        showButton(dialog, IDCANCEL);
        break;
    case MB_RETRYCANCEL:
        showButton(dialog, IDCANCEL);
        break;
    default:
        showButton(dialog, IDOK);
        break;
    }
}

int answerOf(int id)
{
    switch (id) {
    case IDOK:
        return IDOK;
    case IDCANCEL:
        return IDCANCEL;
    case IDC_BOOK_MESSAGEBOX_YES:
        return IDYES;
    case IDC_BOOK_MESSAGEBOX_NO:
        return IDNO;
    default:
        return 0;
    }
}

} // namespace

INT_PTR CALLBACK book::messageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        messageBoxBook = reinterpret_cast<book*>(lParam);
        showButtons(dialog, messageBoxRecord.type);
        return FALSE;
    }
    if (message == WM_COMMAND) {
        int answer = answerOf(LOWORD(wParam));
        if (answer == 0)
            return FALSE;
        if (dialog != closingBox && messageBoxBook && bookIsAlive(messageBoxBook)) {
            messageBoxRecord.type = answer;
            messageBoxBook->bookMessageBoxCatch(&messageBoxRecord);
        }
        return TRUE;
    }
    return FALSE;
}

HWND book::bookMessageBox(HWND, CString title, CString text, int type, int* status)
{
    bookMessageBoxDestroy();
    messageBoxRecord.bookOwner = this;
    messageBoxRecord.title = title;
    messageBoxRecord.text = text;
    messageBoxRecord.type = type;
    HWND box = ::CreateDialogParamA(CTessiloApp::GetLibraryModule(),
        MAKEINTRESOURCEA(IDD_BOOK_MESSAGEBOX), GetSafeHwnd(), messageBoxProc,
        reinterpret_cast<LPARAM>(this));
    if (!box) {
        if (status)
            *status = E_FAIL;
        return nullptr;
    }
    m_bookMessageBox = box;
    bookMessageBoxSet(title, text);
    ::ShowWindow(box, SW_SHOW);
    if (status)
        *status = 0;
    return box;
}

void book::bookMessageBoxSet(CString title, CString text)
{
    if (!m_bookMessageBox)
        return;
    ::SetWindowTextA(m_bookMessageBox, title);
    ::SendDlgItemMessageA(m_bookMessageBox, IDC_BOOK_MESSAGEBOX_TEXT, EM_SETSEL, 0, -1);
    ::SendDlgItemMessageA(m_bookMessageBox, IDC_BOOK_MESSAGEBOX_TEXT, EM_REPLACESEL, FALSE,
        reinterpret_cast<LPARAM>(text.GetString()));
}

void book::bookMessageBoxDestroy()
{
    HWND box = m_bookMessageBox;
    if (!box)
        return;
    closingBox = box;
    ::SendMessage(box, WM_CLOSE, 0, 0);
    ::DestroyWindow(box);
    closingBox = nullptr;
    m_bookMessageBox = nullptr;
}
