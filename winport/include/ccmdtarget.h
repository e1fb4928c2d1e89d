// CCmdTarget and message maps in the small MFC form.
//
// A message map is a static table per class; each entry names a message (or a command or
// notification code and a control id range) and a small function that calls the class's handler
// with the message's arguments unpacked as MFC does. BEGIN_MESSAGE_MAP chains the table to the base
// class's, so lookups walk from the most derived class to CCmdTarget.
#pragma once

#include "winport/export.h"
#include "wintypes.h"
#include "winuser.h"

class CCmdTarget;

// Arguments of one dispatched message or command.
struct AFX_MSGCALL {
    WPARAM wParam;
    LPARAM lParam;
    LRESULT* result; // where a handler's result goes
    UINT id; // command or control id (commands and notifications)
    void* extra; // AFX_NOTIFY* for notifications, NULL otherwise
};

// Calls the handler; FALSE when the handler declined (the _EX reflection forms).
typedef BOOL (*AFX_MSGTHUNK)(CCmdTarget* target, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_*, or WM_COMMAND / WM_NOTIFY / a reflected form for control entries
    UINT nCode; // notification code (16 bits, as MFC keeps it) for control entries
    UINT nID; // first control id
    UINT nLastID; // last control id
    AFX_MSGTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// What OnCmdMsg reports when asked for a handler instead of calling it.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_MSGTHUNK pmf;
};

// The extra argument of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

#define CN_COMMAND 0
#define WM_REFLECT_BASE 0xBC00
// MAKELONG(code, WM_NOTIFY) etc.: the high word of OnCmdMsg's code says which kind of message
// it came from (0 for WM_COMMAND).

class WINPORT_API CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Routes a command or notification to this object's message map: TRUE when a handler ran (or,
    // with handlerInfo, was found and reported without running).
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // The first entry of this object's maps for the message, code and id, or NULL.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(
        const AFX_MSGMAP* map, UINT message, UINT code, UINT id);
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, nullptr                                                                        \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap                                                             \
        = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] };                               \
    return &messageMap;                                                                            \
    }

#define afx_msg

// Entry makers. Each thunk is a captureless lambda turned into a plain function pointer.
#define AFX_THUNK(body)                                                                            \
    [](CCmdTarget* _t, AFX_MSGCALL& _c) -> BOOL {                                                  \
        ThisClass* _self = static_cast<ThisClass*>(_t);                                            \
        (void)_c;                                                                                  \
        body;                                                                                      \
    }
#define AFX_NOTIFY_ARGS static_cast<AFX_NOTIFY*>(_c.extra)

#define ON_COMMAND(id, fn)                                                                         \
    {                                                                                              \
        WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AFX_THUNK(_self->fn(); return TRUE)        \
    }                                                                                              \
    ,
#define ON_COMMAND_RANGE(idFirst, idLast, fn)                                                      \
    {                                                                                              \
        WM_COMMAND, CN_COMMAND, (WORD)(idFirst), (WORD)(idLast),                                   \
            AFX_THUNK(_self->fn(_c.id); return TRUE)                                               \
    }                                                                                              \
    ,
#define ON_CONTROL(code, id, fn)                                                                   \
    {                                                                                              \
        WM_COMMAND, (WORD)(code), (WORD)(id), (WORD)(id), AFX_THUNK(_self->fn(); return TRUE)      \
    }                                                                                              \
    ,
#define ON_CONTROL_RANGE(code, idFirst, idLast, fn)                                                \
    {                                                                                              \
        WM_COMMAND, (WORD)(code), (WORD)(idFirst), (WORD)(idLast),                                 \
            AFX_THUNK(_self->fn(_c.id); return TRUE)                                               \
    }                                                                                              \
    ,
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_CONTROL_REFLECT(code, fn)                                                               \
    {                                                                                              \
        WM_REFLECT_BASE + WM_COMMAND, (WORD)(code), 0, 0, AFX_THUNK(_self->fn(); return TRUE)      \
    }                                                                                              \
    ,
#define ON_NOTIFY(code, id, fn)                                                                    \
    {                                                                                              \
        WM_NOTIFY, (WORD)(int)(code), (WORD)(id), (WORD)(id),                                      \
            AFX_THUNK(_self->fn(AFX_NOTIFY_ARGS->pNMHDR, AFX_NOTIFY_ARGS->pResult); return TRUE)   \
    }                                                                                              \
    ,
#define ON_NOTIFY_RANGE(code, idFirst, idLast, fn)                                                 \
    {                                                                                              \
        WM_NOTIFY, (WORD)(int)(code), (WORD)(idFirst), (WORD)(idLast),                             \
            AFX_THUNK(_self->fn(_c.id, AFX_NOTIFY_ARGS->pNMHDR, AFX_NOTIFY_ARGS->pResult);         \
                      return TRUE)                                                                 \
    }                                                                                              \
    ,
#define ON_NOTIFY_REFLECT(code, fn)                                                                \
    {                                                                                              \
        WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(code), 0, 0,                                      \
            AFX_THUNK(_self->fn(AFX_NOTIFY_ARGS->pNMHDR, AFX_NOTIFY_ARGS->pResult); return TRUE)   \
    }                                                                                              \
    ,
#define ON_NOTIFY_REFLECT_EX(code, fn)                                                             \
    { WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(code), 0, 0,                                        \
        AFX_THUNK(return _self->fn(AFX_NOTIFY_ARGS->pNMHDR, AFX_NOTIFY_ARGS->pResult)) },
#define ON_MESSAGE(message, fn)                                                                    \
    {                                                                                              \
        message, 0, 0, 0, AFX_THUNK(*_c.result = _self->fn(_c.wParam, _c.lParam); return TRUE)     \
    }                                                                                              \
    ,

// Window messages, unpacked as MFC's afx_msg handlers take them.
#define AFX_ON_WM(message, call)                                                                   \
    {                                                                                              \
        message, 0, 0, 0, AFX_THUNK(call; return TRUE)                                             \
    }                                                                                              \
    ,
#define AFX_MSG_POINT CPoint(GET_X_LPARAM(_c.lParam), GET_Y_LPARAM(_c.lParam))
#define ON_WM_CREATE()                                                                             \
    AFX_ON_WM(WM_CREATE, *_c.result = _self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(_c.lParam)))
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, _self->OnDestroy())
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, _self->OnClose())
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, _self->OnPaint())
#define ON_WM_SIZE()                                                                               \
    AFX_ON_WM(WM_SIZE, _self->OnSize((UINT)_c.wParam, LOWORD(_c.lParam), HIWORD(_c.lParam)))
#define ON_WM_MOVE()                                                                               \
    AFX_ON_WM(WM_MOVE, _self->OnMove(GET_X_LPARAM(_c.lParam), GET_Y_LPARAM(_c.lParam)))
#define ON_WM_SHOWWINDOW()                                                                         \
    AFX_ON_WM(WM_SHOWWINDOW, _self->OnShowWindow((BOOL)_c.wParam, (UINT)_c.lParam))
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, _self->OnTimer((UINT_PTR)_c.wParam))
#define ON_WM_SETFOCUS()                                                                           \
    AFX_ON_WM(WM_SETFOCUS, _self->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_c.wParam))))
#define ON_WM_KILLFOCUS()                                                                          \
    AFX_ON_WM(WM_KILLFOCUS, _self->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(_c.wParam))))
#define ON_WM_MOUSEMOVE()                                                                          \
    AFX_ON_WM(WM_MOUSEMOVE, _self->OnMouseMove((UINT)_c.wParam, AFX_MSG_POINT))
#define ON_WM_LBUTTONDOWN()                                                                        \
    AFX_ON_WM(WM_LBUTTONDOWN, _self->OnLButtonDown((UINT)_c.wParam, AFX_MSG_POINT))
#define ON_WM_LBUTTONUP()                                                                          \
    AFX_ON_WM(WM_LBUTTONUP, _self->OnLButtonUp((UINT)_c.wParam, AFX_MSG_POINT))
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    AFX_ON_WM(WM_LBUTTONDBLCLK, _self->OnLButtonDblClk((UINT)_c.wParam, AFX_MSG_POINT))
#define ON_WM_RBUTTONDOWN()                                                                        \
    AFX_ON_WM(WM_RBUTTONDOWN, _self->OnRButtonDown((UINT)_c.wParam, AFX_MSG_POINT))
#define ON_WM_RBUTTONUP()                                                                          \
    AFX_ON_WM(WM_RBUTTONUP, _self->OnRButtonUp((UINT)_c.wParam, AFX_MSG_POINT))
#define ON_WM_MOUSEHOVER()                                                                         \
    AFX_ON_WM(WM_MOUSEHOVER, _self->OnMouseHover((UINT)_c.wParam, AFX_MSG_POINT))
#define ON_WM_MOUSELEAVE() AFX_ON_WM(WM_MOUSELEAVE, _self->OnMouseLeave())
#define ON_WM_CONTEXTMENU()                                                                        \
    AFX_ON_WM(WM_CONTEXTMENU,                                                                      \
        _self->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(_c.wParam)), AFX_MSG_POINT))
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_ON_WM(WM_MOUSEACTIVATE,                                                                    \
        *_c.result = _self->OnMouseActivate(CWnd::FromHandle(reinterpret_cast<HWND>(_c.wParam)),   \
            LOWORD(_c.lParam), HIWORD(_c.lParam)))
#define ON_WM_NCHITTEST() AFX_ON_WM(WM_NCHITTEST, *_c.result = _self->OnNcHitTest(AFX_MSG_POINT))
