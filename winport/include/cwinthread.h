// CWinThread: the user-interface thread object with its main window and message pump.
#pragma once

#include "ccmdtarget.h"
#include "winport/export.h"

class CWnd;

class WINPORT_API CWinThread : public CCmdTarget {
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Runs the message loop until WM_QUIT; returns ExitInstance's result.
    virtual int Run();
    // Takes one message from the queue, pre-translates and dispatches it; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnIdle(LONG count);
    virtual CWnd* GetMainWnd();
};

// The thread object of the process (the first one constructed and still alive).
WINPORT_API CWinThread* AfxGetThread();
// The thread object's main window, or NULL.
WINPORT_API CWnd* AfxGetMainWnd();
