// ChooseFont over QFontDialog (or the scripted answer) and CFontDialog.
#include "cdc.h"
#include "commdlgerror.h"
#include "fontdialog.h"
#include "gdi.h"
#include "latin1.h"
#include "qtapp.h"
#include "scripted.h"
#include "window.h"

#include <QFontDialog>
#include <QFontInfo>
#include <cmath>
#include <cstring>

BOOL ChooseFont(LPCHOOSEFONTA choose)
{
    if (!choose || choose->lStructSize != sizeof(CHOOSEFONTA)) {
        winport::setCommDlgError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    if (!choose->lpLogFont) {
        winport::setCommDlgError(CDERR_INITIALIZATION);
        return FALSE;
    }
    winport::setCommDlgError(0);
    winport::ensureApplication();
    bool ok = false;
    LOGFONTA chosen {};
    int tenths = 0;
    if (!winport::takeFontAnswer(&ok, &chosen, &tenths)) {
        QFont initial = (choose->Flags & CF_INITTOLOGFONTSTRUCT)
            ? winport::fontFromLogFont(*choose->lpLogFont)
            : winport::qtFontOf(nullptr);
        // The dialog lists real families: start it from the family the face resolves to.
        initial.setFamily(QFontInfo(initial).family());
        QFontDialog::FontDialogOptions options = QFontDialog::DontUseNativeDialog;
        if (choose->Flags & CF_FIXEDPITCHONLY)
            options |= QFontDialog::MonospacedFonts;
        if (choose->Flags & CF_SCALABLEONLY)
            options |= QFontDialog::ScalableFonts;
        QWidget* parent = choose->hwndOwner
            ? winport::widgetOf(winport::topLevelOf(choose->hwndOwner))
            : nullptr;
        QFont font = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Font"), options);
        if (ok) {
            chosen = winport::logFontFromQt(font);
            double points
                = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
            tenths = static_cast<int>(std::lround(points * 10));
            chosen.lfHeight = -MulDiv(tenths, 96, 720);
        }
    }
    if (!ok)
        return FALSE;
    *choose->lpLogFont = chosen;
    choose->iPointSize = tenths;
    choose->nFontType = static_cast<WORD>(choose->hDC ? PRINTER_FONTTYPE : SCREEN_FONTTYPE);
    return TRUE;
}

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
