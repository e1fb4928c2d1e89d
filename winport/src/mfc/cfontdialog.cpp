// CFontDialog: a CHOOSEFONT filled from MFC's arguments, run by ChooseFont.
#include "cfontdialog.h"
#include "cdc.h"

#include <cstring>

CFontDialog::CFontDialog(LPLOGFONTA initial, DWORD flags, CDC* printerDc, CWnd* parent)
    : CDialog(static_cast<LPCSTR>(nullptr), parent)
{
    std::memset(&m_cf, 0, sizeof m_cf);
    std::memset(&m_lf, 0, sizeof m_lf);
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = flags;
    if (initial) {
        m_lf = *initial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (printerDc) {
        m_cf.hDC = printerDc->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal()
{
    if (!m_cf.hwndOwner)
        m_cf.hwndOwner = ParentForDialog();
    return ChooseFont(&m_cf) ? IDOK : IDCANCEL;
}

int CFontDialog::GetSize() const { return m_cf.iPointSize; }

CString CFontDialog::GetFaceName() const
{
    const LOGFONTA* lf = m_cf.lpLogFont ? m_cf.lpLogFont : &m_lf;
    return CString(lf->lfFaceName, static_cast<int>(strnlen(lf->lfFaceName, LF_FACESIZE)));
}

void CFontDialog::GetCurrentFont(LPLOGFONTA logFont)
{
    if (logFont)
        *logFont = m_cf.lpLogFont ? *m_cf.lpLogFont : m_lf;
}

COLORREF CFontDialog::GetColor() const { return m_cf.rgbColors; }
int CFontDialog::GetWeight() const
{
    return static_cast<int>((m_cf.lpLogFont ? m_cf.lpLogFont : &m_lf)->lfWeight);
}
BOOL CFontDialog::IsBold() const { return GetWeight() >= FW_SEMIBOLD; }
BOOL CFontDialog::IsItalic() const
{
    return (m_cf.lpLogFont ? m_cf.lpLogFont : &m_lf)->lfItalic != 0;
}
BOOL CFontDialog::IsUnderline() const
{
    return (m_cf.lpLogFont ? m_cf.lpLogFont : &m_lf)->lfUnderline != 0;
}
BOOL CFontDialog::IsStrikeOut() const
{
    return (m_cf.lpLogFont ? m_cf.lpLogFont : &m_lf)->lfStrikeOut != 0;
}
