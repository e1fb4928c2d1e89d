// bookMfcSQL: what comes before the titles of a report: the date line and the letterhead.
#include "report/bookmfcsql.h"
#include "report/dateformat.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

#include <atltime.h>

#include <cstdio>

long bookMfcSQL::MfcSQLSupplyDate()
{
    CTime today = CTime::GetCurrentTime();
    CString line;
    line.Format("%s %d,%d\r\n\r\n", dateFormat::dateFormatMonthName(today.GetMonth()),
        today.GetDay(), today.GetYear());
    if (bookEdit* view = m_ODBCItem.edit; view && view->m_hWnd)
        view->bookEditAppend(line);
    // Bold from here on, until an insertion that sets its own format.
    if (bookRichEdit* view = m_ODBCItem.richEdit; view && view->m_hWnd)
        view->bookRichEditAppend(line, CFE_BOLD, false);
    return 0;
}

long bookMfcSQL::MfcSQLSupplyLetterHead()
{
    if (bookEdit* view = m_ODBCItem.edit; view && view->m_hWnd) {
        CString text;
        view->bookEditSupplyLetterHead(&text, nullptr);
        if (!text.IsEmpty())
            view->bookEditAppend(text);
    }
    bookRichEdit* view = m_ODBCItem.richEdit;
    if (!view || !view->m_hWnd)
        return 0;
    CString text;
    view->bookEditSupplyLetterHead(&text, nullptr);
    if (text.IsEmpty())
        return 0;
    CRichEditCtrl& edit = view->GetRichEditCtrl();
    long start = edit.GetTextLengthEx(GTL_DEFAULT);
    edit.SetSel(start, start);
    PARAFORMAT before {};
    before.cbSize = sizeof before;
    edit.GetParaFormat(before);
    edit.ReplaceSel(text, FALSE);
    long end = edit.GetTextLengthEx(GTL_DEFAULT);

    unsigned int alignment = static_cast<unsigned int>(-1);
    view->bookEditSupplyAlignment(&alignment);
    PARAFORMAT paragraph {};
    paragraph.cbSize = sizeof paragraph;
    switch (alignment) {
    case 0:
        paragraph.dwMask = PFM_ALIGNMENT;
        paragraph.wAlignment = PFA_LEFT;
        break;
    case 1:
        paragraph.dwMask = PFM_ALIGNMENT;
        paragraph.wAlignment = PFA_CENTER;
        break;
    case 2:
        paragraph.dwMask = PFM_ALIGNMENT;
        paragraph.wAlignment = PFA_RIGHT;
        break;
    default:
        break;
    }
    edit.SetSel(start, end);
    edit.SetParaFormat(paragraph);
    edit.SetSel(end, end);
    edit.SetParaFormat(before);

    LOGFONTA font {};
    long points = 0;
    view->bookEditSupplyLetterHeadFont(&font, &points);
    CHARFORMAT format {};
    format.cbSize = sizeof format;
    // An owner that supplies no face or no size leaves those of the text as they are.
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    if (font.lfFaceName[0])
        format.dwMask |= CFM_FACE | CFM_CHARSET;
    if (points > 0)
        format.dwMask |= CFM_SIZE;
    std::snprintf(format.szFaceName, sizeof format.szFaceName, "%s", font.lfFaceName);
    format.bCharSet = font.lfCharSet;
    format.bPitchAndFamily = font.lfPitchAndFamily;
    format.yHeight = points * 20;
    if (font.lfWeight == FW_BOLD)
        format.dwEffects |= CFE_BOLD;
    if (font.lfItalic)
        format.dwEffects |= CFE_ITALIC;
    if (font.lfUnderline)
        format.dwEffects |= CFE_UNDERLINE;
    if (font.lfStrikeOut)
        format.dwEffects |= CFE_STRIKEOUT;
    edit.SetSel(start, end);
    edit.SetSelectionCharFormat(format);

    CHARFORMAT plain {};
    plain.cbSize = sizeof plain;
    plain.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    edit.SetSel(end, end);
    edit.SetSelectionCharFormat(plain);
    return 0;
}
