#include "views/bookedit.h"
#include "views/viewfont.h"

BEGIN_MESSAGE_MAP(bookEdit, CEditView)
ON_WM_CREATE()
END_MESSAGE_MAP()

bookEdit::bookEdit()
    : bookEdit(nullptr, nullptr)
{
}

bookEdit::bookEdit(CWnd* parent, BookPageSQLRslt* page)
    : m_parent(parent)
    , m_page(page)
{
    init();
}

void bookEdit::init()
{
    m_font = nullptr;
    m_fontPoints = 0;
    char face[] = "Courier New";
    bookEditCreateFont(8, face);
}

bookEdit::~bookEdit() { bookEditCreateFont(0, nullptr); }

int bookEdit::OnCreate(LPCREATESTRUCT cs)
{
    if (CEditView::OnCreate(cs) == -1)
        return -1;
    // Report columns line up only in the view's fixed-pitch font.
    bookEditSetFont();
    return 0;
}

long bookEdit::bookEditCreateFont(int points, char* face)
{
    long rc = viewFontReplace(&m_font, points, face);
    if (m_font)
        m_fontPoints = points;
    return rc;
}

long bookEdit::bookEditSetFont()
{
    if (!m_font)
        return E_UNEXPECTED;
    if (m_hWnd)
        SetFont(m_font);
    return 0;
}

long bookEdit::bookEditOutputTitleString(CString titles)
{
    m_title = titles;
    return 0;
}

void bookEdit::bookEditAppend(const CString& text)
{
    if (!m_hWnd)
        return;
    CEdit& edit = GetEditCtrl();
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    int length = GetWindowTextLength();
    edit.SetSel(length, length, TRUE);
    edit.ReplaceSel(text);
    edit.SetSel(start, end, TRUE);
}
