// The view family's printing: CPrintInfo, the record of one print or preview job that the
// framework hands to a view's printing operations, and the print command ids.
#pragma once

#include "afxstr.h"
#include "atltypes.h"
#include "cview.h"
#include "cprintdialog.h"

#ifndef ID_FILE_PRINT_SETUP
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#endif

struct WINPORT_API CPrintInfo {
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD; // the job's print dialog (owned)
    BOOL m_bDirect; // print on the default printer without the dialog
    BOOL m_bPreview; // the job draws into the print preview
    BOOL m_bContinuePrinting; // cleared by a view to end the job after the current page
    UINT m_nCurPage;
    UINT m_nNumPreviewPages;
    CString m_strPageDesc;
    LPVOID m_lpUserData;
    CRect m_rectDraw; // the current page's drawing area, device units

    void SetMinPage(UINT page);
    void SetMaxPage(UINT page);
    UINT GetMinPage() const;
    UINT GetMaxPage() const; // 0xFFFF until a view knows its page count
    UINT GetFromPage() const;
    UINT GetToPage() const;
};
