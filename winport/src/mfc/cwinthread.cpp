#include "cwinthread.h"
#include "cwnd.h"

namespace {
CWinThread* g_thread = nullptr;
}

CWinThread::CWinThread()
{
    if (!g_thread)
        g_thread = this;
}

CWinThread::~CWinThread()
{
    if (g_thread == this)
        g_thread = nullptr;
}

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return 0; }

int CWinThread::Run()
{
    while (PumpMessage()) { }
    return ExitInstance();
}

BOOL CWinThread::PumpMessage()
{
    MSG msg;
    if (!GetMessage(&msg, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* msg)
{
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, msg);
}

BOOL CWinThread::OnIdle(LONG) { return FALSE; }
CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }
CWinThread* AfxGetThread() { return g_thread; }

CWnd* AfxGetMainWnd()
{
    CWinThread* thread = AfxGetThread();
    return thread ? thread->GetMainWnd() : nullptr;
}
