// CFontDialog: the font dialog with its CHOOSEFONTA (m_cf) and result accessors.
#pragma once

#include "afxstr.h"
#include "cdialog.h"
#include "commdlg.h"

class CDC;

class WINPORT_API CFontDialog : public CDialog {
public:
    explicit CFontDialog(LPLOGFONTA initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
        CDC* printerDc = nullptr, CWnd* parent = nullptr);

    INT_PTR DoModal() override;

    // Size in tenths of a point.
    int GetSize() const;
    CString GetFaceName() const;
    void GetCurrentFont(LPLOGFONTA logFont);
    COLORREF GetColor() const;
    int GetWeight() const;
    BOOL IsBold() const;
    BOOL IsItalic() const;
    BOOL IsUnderline() const;
    BOOL IsStrikeOut() const;

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;
};
