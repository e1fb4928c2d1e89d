// MFC's common dialog classes.
#pragma once

#include "afxwin.h"
#include "commdlg.h"

// The font dialog: m_cf is the ChooseFont request; the chosen font lands in *m_cf.lpLogFont
// (m_lf unless the caller points it elsewhere) and its size in m_cf.iPointSize.
class WINPORT_API CFontDialog {
public:
    explicit CFontDialog(LPLOGFONTA initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
        CDC* printer = nullptr, CWnd* parent = nullptr);
    virtual ~CFontDialog() = default;
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    // IDOK when the user chose a font, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    // The chosen size in tenths of a point.
    int GetSize() const;
    CString GetFaceName() const;
    void GetCurrentFont(LPLOGFONTA logFont) const;
    BOOL IsBold() const;
    BOOL IsItalic() const;

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;
};
