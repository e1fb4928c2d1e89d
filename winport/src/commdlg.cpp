// Common dialogs: ChooseFont over QFontDialog (or the scripted answer), CFontDialog, and the
// print dialog's default-printer query.
#include "gdi.h"
#include "qtapp.h"
#include "scripted.h"
#include "window.h"

#include "afxdlgs.h"

#include <QFontDialog>
#include <QFontInfo>
#include <cmath>
#include <cstring>

namespace {
DWORD g_commDlgError = 0;
}

BOOL ChooseFont(LPCHOOSEFONTA choice)
{
    if (!choice || !choice->lpLogFont) {
        g_commDlgError = CDERR_INITIALIZATION;
        return FALSE;
    }
    if (choice->lStructSize != sizeof(CHOOSEFONTA)) {
        g_commDlgError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    g_commDlgError = 0;
    bool ok = false;
    LOGFONTA chosen {};
    int tenths = 0;
    if (!winport::takeFontAnswer(&ok, &chosen, &tenths)) {
        winport::ensureApplication();
        QFont initial = (choice->Flags & CF_INITTOLOGFONTSTRUCT)
            ? winport::fontFromLogFont(*choice->lpLogFont)
            : QFont();
        QFontDialog dialog(initial, winport::widgetOf(choice->hwndOwner));
        if (choice->Flags & CF_SCALABLEONLY)
            dialog.setOption(QFontDialog::ScalableFonts);
        ok = dialog.exec() == QDialog::Accepted;
        if (ok) {
            QFont font = dialog.selectedFont();
            // The family the system resolved, so that the face name names a real font.
            font.setFamily(QFontInfo(font).family());
            chosen = winport::logFontFromQt(font);
            tenths = static_cast<int>(std::lround(font.pointSizeF() * 10));
        }
    }
    if (!ok)
        return FALSE;
    *choice->lpLogFont = chosen;
    choice->iPointSize = tenths;
    return TRUE;
}

BOOL PrintDlg(LPPRINTDLGA request)
{
    if (!request || request->lStructSize != sizeof(PRINTDLGA)) {
        g_commDlgError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    g_commDlgError
        = (request->Flags & PD_RETURNDEFAULT) ? PDERR_NODEFAULTPRN : CDERR_INITIALIZATION;
    return FALSE;
}

DWORD CommDlgExtendedError() { return g_commDlgError; }

CFontDialog::CFontDialog(LPLOGFONTA initial, DWORD flags, CDC* printer, CWnd* parent)
    : m_cf {}
    , m_lf {}
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = flags;
    if (initial) {
        m_lf = *initial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (printer) {
        m_cf.hDC = printer->GetSafeHdc();
        m_cf.Flags |= CF_BOTH;
    }
}

INT_PTR CFontDialog::DoModal() { return ChooseFont(&m_cf) ? IDOK : IDCANCEL; }

int CFontDialog::GetSize() const { return m_cf.iPointSize; }

CString CFontDialog::GetFaceName() const { return CString(m_cf.lpLogFont->lfFaceName); }

void CFontDialog::GetCurrentFont(LPLOGFONTA logFont) const
{
    if (logFont)
        *logFont = *m_cf.lpLogFont;
}

BOOL CFontDialog::IsBold() const { return m_cf.lpLogFont->lfWeight >= FW_SEMIBOLD; }

BOOL CFontDialog::IsItalic() const { return m_cf.lpLogFont->lfItalic != 0; }
