// Win32 user functions: windows, messages, the thread's queue, dialogs, message boxes, hooks,
// cursors and the standard controls' messages and styles.
#pragma once

#include "winport/export.h"
#include "wintypes.h"

#ifndef CALLBACK
#define CALLBACK
#endif
#ifndef WINAPI
#define WINAPI
#endif
#ifndef APIENTRY
#define APIENTRY
#endif

#define MAKEINTRESOURCE(i) ((LPSTR)(ULONG_PTR)(WORD)(i))
#define MAKEINTRESOURCEA(i) MAKEINTRESOURCE(i)
#define IS_INTRESOURCE(p) ((((ULONG_PTR)(p)) >> 16) == 0)
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT(CALLBACK* HOOKPROC)(int code, WPARAM wParam, LPARAM lParam);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG, *PMSG, *LPMSG;

typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA, WNDCLASS, *LPWNDCLASSA, *LPWNDCLASS;

typedef struct tagCREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA, CREATESTRUCT, *LPCREATESTRUCTA, *LPCREATESTRUCT;

typedef struct tagNMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
} NMHDR, *LPNMHDR;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

typedef struct tagMOUSEHOOKSTRUCT {
    POINT pt;
    HWND hwnd;
    UINT wHitTestCode;
    ULONG_PTR dwExtraInfo;
} MOUSEHOOKSTRUCT, *LPMOUSEHOOKSTRUCT, *PMOUSEHOOKSTRUCT;

typedef struct tagTRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
} TRACKMOUSEEVENT, *LPTRACKMOUSEEVENT;

// Window messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETREDRAW 0x000B
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_SETCURSOR 0x0020
#define WM_MOUSEACTIVATE 0x0021
#define WM_NOTIFY 0x004E
#define WM_CONTEXTMENU 0x007B
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCHITTEST 0x0084
#define WM_GETDLGCODE 0x0087
// WM_GETDLGCODE answers: the keys a control keeps from the dialog manager, and what it is.
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000
#define WM_NCMOUSEMOVE 0x00A0
#define WM_NCLBUTTONDOWN 0x00A1
#define WM_NCLBUTTONUP 0x00A2
#define WM_NCRBUTTONDOWN 0x00A4
#define WM_NCRBUTTONUP 0x00A5
#define WM_KEYFIRST 0x0100
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_KEYLAST 0x0109
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_MOUSEFIRST 0x0200
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_RBUTTONDBLCLK 0x0206
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_MBUTTONDBLCLK 0x0209
#define WM_MOUSEWHEEL 0x020A
#define WM_MOUSELAST 0x020A
#define WM_MOUSEHOVER 0x02A1
#define WM_MOUSELEAVE 0x02A3
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_UNDO 0x0304
#define WM_USER 0x0400
#define WM_APP 0x8000

// Mouse and keyboard.
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70

// Hit-test codes.
#define HTERROR (-2)
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW                                                                        \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_POPUPWINDOW (WS_POPUP | WS_BORDER | WS_SYSMENU)
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TRANSPARENT 0x00000020L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_STATICEDGE 0x00020000L
#define CW_USEDEFAULT ((int)0x80000000)

// ShowWindow, SetWindowPos, GetWindow, window longs.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOCOPYBITS 0x0100
#define SWP_NOOWNERZORDER 0x0200
#define SWP_NOSENDCHANGING 0x0400
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_ID (-12)
#define GWL_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_USERDATA (-21)
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC 8
#define DWLP_USER 16
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

// Peeking, hooks, mouse tracking, cursors.
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002
#define WH_MOUSE 7
#define HC_ACTION 0
#define TME_HOVER 0x00000001
#define TME_LEAVE 0x00000002
#define TME_NONCLIENT 0x00000010
#define TME_QUERY 0x40000000
#define TME_CANCEL 0x80000000
#define HOVER_DEFAULT 0xFFFFFFFF
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDC_APPSTARTING MAKEINTRESOURCE(32650)

// Message boxes and dialog answers.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define MB_DEFMASK 0x00000F00L
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDCLOSE 8
#define IDHELP 9

// Dialogs.
#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_3DLOOK 0x04L
#define DS_FIXEDSYS 0x08L
#define DS_NOFAILCREATE 0x10L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

// Buttons.
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_3STATE 0x00000005L
#define BS_AUTO3STATE 0x00000006L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_OWNERDRAW 0x0000000BL
#define BS_TYPEMASK 0x0000000FL
#define BS_LEFTTEXT 0x00000020L
#define BS_LEFT 0x00000100L
#define BS_RIGHT 0x00000200L
#define BS_CENTER 0x00000300L
#define BS_MULTILINE 0x00002000L
#define BS_NOTIFY 0x00004000L
#define BS_FLAT 0x00008000L
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BM_SETSTYLE 0x00F4
#define BM_CLICK 0x00F5
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002
#define BST_PUSHED 0x0004
#define BST_FOCUS 0x0008
#define BN_CLICKED 0
#define BN_DOUBLECLICKED 5
#define BN_SETFOCUS 6
#define BN_KILLFOCUS 7

// Edit controls.
#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_MULTILINE 0x0004L
#define ES_UPPERCASE 0x0008L
#define ES_LOWERCASE 0x0010L
#define ES_PASSWORD 0x0020L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NOHIDESEL 0x0100L
#define ES_OEMCONVERT 0x0400L
#define ES_READONLY 0x0800L
#define ES_WANTRETURN 0x1000L
#define ES_NUMBER 0x2000L
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_SCROLLCARET 0x00B7
#define EM_GETMODIFY 0x00B8
#define EM_SETMODIFY 0x00B9
#define EM_GETLINECOUNT 0x00BA
#define EM_LINEINDEX 0x00BB
#define EM_LINELENGTH 0x00C1
#define EM_REPLACESEL 0x00C2
#define EM_GETLINE 0x00C4
#define EM_LIMITTEXT 0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_CANUNDO 0x00C6
#define EM_UNDO 0x00C7
#define EM_LINEFROMCHAR 0x00C9
#define EM_EMPTYUNDOBUFFER 0x00CD
#define EM_GETFIRSTVISIBLELINE 0x00CE
#define EM_SETREADONLY 0x00CF
#define EM_GETLIMITTEXT 0x00D5
#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501

// Static controls.
#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L
#define SS_ICON 0x00000003L
#define SS_BLACKRECT 0x00000004L
#define SS_ETCHEDHORZ 0x00000010L
#define SS_ETCHEDFRAME 0x00000012L
#define SS_SIMPLE 0x0000000BL
#define SS_LEFTNOWORDWRAP 0x0000000CL
#define SS_TYPEMASK 0x0000001FL
#define SS_NOPREFIX 0x00000080L
#define SS_NOTIFY 0x00000100L
#define SS_CENTERIMAGE 0x00000200L
#define SS_SUNKEN 0x00001000L
#define STN_CLICKED 0
#define STN_DBLCLK 1

// List boxes.
#define LBS_NOTIFY 0x0001L
#define LBS_SORT 0x0002L
#define LBS_NOREDRAW 0x0004L
#define LBS_MULTIPLESEL 0x0008L
#define LBS_HASSTRINGS 0x0040L
#define LBS_USETABSTOPS 0x0080L
#define LBS_NOINTEGRALHEIGHT 0x0100L
#define LBS_WANTKEYBOARDINPUT 0x0400L
#define LBS_EXTENDEDSEL 0x0800L
#define LBS_DISABLENOSCROLL 0x1000L
#define LBS_NOSEL 0x4000L
#define LBS_STANDARD (LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER)
#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_RESETCONTENT 0x0184
#define LB_SETSEL 0x0185
#define LB_SETCURSEL 0x0186
#define LB_GETSEL 0x0187
#define LB_GETCURSEL 0x0188
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LB_SELECTSTRING 0x018C
#define LB_GETTOPINDEX 0x018E
#define LB_FINDSTRING 0x018F
#define LB_GETSELCOUNT 0x0190
#define LB_GETSELITEMS 0x0191
#define LB_SETTOPINDEX 0x0197
#define LB_GETITEMDATA 0x0199
#define LB_SETITEMDATA 0x019A
#define LB_FINDSTRINGEXACT 0x01A2
#define LB_OKAY 0
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)
#define LBN_ERRSPACE (-2)
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2
#define LBN_SELCANCEL 3
#define LBN_SETFOCUS 4
#define LBN_KILLFOCUS 5

// Combo boxes.
#define CBS_SIMPLE 0x0001L
#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_AUTOHSCROLL 0x0040L
#define CBS_SORT 0x0100L
#define CBS_HASSTRINGS 0x0200L
#define CBS_NOINTEGRALHEIGHT 0x0400L
#define CBS_DISABLENOSCROLL 0x0800L
#define CBS_UPPERCASE 0x2000L
#define CBS_LOWERCASE 0x4000L
#define CB_LIMITTEXT 0x0141
#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_FINDSTRING 0x014C
#define CB_SELECTSTRING 0x014D
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETITEMDATA 0x0150
#define CB_SETITEMDATA 0x0151
#define CB_GETDROPPEDSTATE 0x0157
#define CB_FINDSTRINGEXACT 0x0158
#define CB_OKAY 0
#define CB_ERR (-1)
#define CB_ERRSPACE (-2)
#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_EDITCHANGE 5
#define CBN_EDITUPDATE 6
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9
#define CBN_SELENDCANCEL 10

// Window classes and windows.
WINPORT_API ATOM RegisterClass(const WNDCLASSA* wc);
WINPORT_API BOOL UnregisterClass(LPCSTR className, HINSTANCE instance);
WINPORT_API BOOL GetClassInfo(HINSTANCE instance, LPCSTR className, WNDCLASSA* wc);
WINPORT_API int GetClassName(HWND hwnd, LPSTR buffer, int size);
WINPORT_API HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
    int x, int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
    LPVOID param);
inline HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
    int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param)
{
    return CreateWindowEx(
        0, className, windowName, style, x, y, width, height, parent, menuOrId, instance, param);
}
WINPORT_API BOOL DestroyWindow(HWND hwnd);
WINPORT_API BOOL IsWindow(HWND hwnd);
WINPORT_API BOOL IsChild(HWND parent, HWND hwnd);
WINPORT_API HWND GetParent(HWND hwnd);
WINPORT_API HWND SetParent(HWND hwnd, HWND newParent);
WINPORT_API HWND GetWindow(HWND hwnd, UINT relation);
WINPORT_API HWND GetTopWindow(HWND hwnd);
WINPORT_API HWND GetDesktopWindow();
WINPORT_API LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
WINPORT_API LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
inline LONG GetWindowLong(HWND hwnd, int index) { return (LONG)GetWindowLongPtr(hwnd, index); }
inline LONG SetWindowLong(HWND hwnd, int index, LONG value)
{
    return (LONG)SetWindowLongPtr(hwnd, index, value);
}
WINPORT_API BOOL ShowWindow(HWND hwnd, int command);
WINPORT_API BOOL IsWindowVisible(HWND hwnd);
WINPORT_API BOOL EnableWindow(HWND hwnd, BOOL enable);
WINPORT_API BOOL IsWindowEnabled(HWND hwnd);
WINPORT_API BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
WINPORT_API BOOL SetWindowPos(
    HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
WINPORT_API BOOL BringWindowToTop(HWND hwnd);
WINPORT_API BOOL GetClientRect(HWND hwnd, LPRECT rect);
WINPORT_API BOOL GetWindowRect(HWND hwnd, LPRECT rect);
WINPORT_API BOOL ScreenToClient(HWND hwnd, LPPOINT point);
WINPORT_API BOOL ClientToScreen(HWND hwnd, LPPOINT point);
WINPORT_API int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
WINPORT_API HWND WindowFromPoint(POINT screenPoint);
WINPORT_API HWND SetFocus(HWND hwnd);
WINPORT_API HWND GetFocus();
WINPORT_API HWND GetActiveWindow();
WINPORT_API HWND SetActiveWindow(HWND hwnd);
WINPORT_API BOOL SetForegroundWindow(HWND hwnd);
WINPORT_API HWND SetCapture(HWND hwnd);
WINPORT_API BOOL ReleaseCapture();
WINPORT_API HWND GetCapture();
WINPORT_API BOOL SetWindowText(HWND hwnd, LPCSTR text);
WINPORT_API int GetWindowText(HWND hwnd, LPSTR buffer, int size);
WINPORT_API int GetWindowTextLength(HWND hwnd);
WINPORT_API BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
WINPORT_API BOOL UpdateWindow(HWND hwnd);
WINPORT_API BOOL RedrawWindow(HWND hwnd, const RECT* rect, void* region, UINT flags);
WINPORT_API HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
WINPORT_API BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

// Messages and the thread's queue.
WINPORT_API LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINPORT_API BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINPORT_API void PostQuitMessage(int exitCode);
WINPORT_API BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
WINPORT_API BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
WINPORT_API BOOL TranslateMessage(const MSG* msg);
WINPORT_API LRESULT DispatchMessage(const MSG* msg);
WINPORT_API DWORD GetMessageTime();
WINPORT_API DWORD GetMessagePos();
WINPORT_API LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINPORT_API LRESULT CallWindowProc(
    WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINPORT_API UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
WINPORT_API BOOL KillTimer(HWND hwnd, UINT_PTR id);

// Dialogs and dialog items.
WINPORT_API HWND CreateDialogParam(
    HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param);
inline HWND CreateDialog(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc)
{
    return CreateDialogParam(instance, templateName, parent, proc, 0);
}
WINPORT_API INT_PTR DialogBoxParam(
    HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param);
inline INT_PTR DialogBox(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc)
{
    return DialogBoxParam(instance, templateName, parent, proc, 0);
}
WINPORT_API BOOL EndDialog(HWND dialog, INT_PTR result);
WINPORT_API LRESULT DefDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WINPORT_API BOOL IsDialogMessage(HWND dialog, LPMSG msg);
WINPORT_API BOOL MapDialogRect(HWND dialog, LPRECT rect);
WINPORT_API LONG GetDialogBaseUnits();
WINPORT_API HWND GetDlgItem(HWND dialog, int id);
WINPORT_API int GetDlgCtrlID(HWND hwnd);
WINPORT_API LRESULT SendDlgItemMessage(
    HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
WINPORT_API BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
WINPORT_API UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size);
WINPORT_API BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
WINPORT_API UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
WINPORT_API BOOL CheckDlgButton(HWND dialog, int id, UINT check);
WINPORT_API UINT IsDlgButtonChecked(HWND dialog, int id);
WINPORT_API BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);
WINPORT_API HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
WINPORT_API HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// Menus: a window's menu bar and its popups. Choosing an item posts WM_COMMAND with the item's
// id (notification code 0, no control handle) to the window.
#define MF_STRING 0x0000
#define MF_ENABLED 0x0000
#define MF_UNCHECKED 0x0000
#define MF_BYCOMMAND 0x0000
#define MF_GRAYED 0x0001
#define MF_DISABLED 0x0002
#define MF_CHECKED 0x0008
#define MF_POPUP 0x0010
#define MF_BYPOSITION 0x0400
#define MF_SEPARATOR 0x0800
WINPORT_API HMENU CreateMenu();
WINPORT_API HMENU CreatePopupMenu();
// Destroys the menu and its popups; a menu still on a window is taken off it first.
WINPORT_API BOOL DestroyMenu(HMENU menu);
// MF_POPUP: idOrPopup is the popup's HMENU, which then belongs to this menu.
WINPORT_API BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
// The previous state (MF_ENABLED, MF_GRAYED, MF_DISABLED), or -1 without such an item.
WINPORT_API UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);
WINPORT_API int GetMenuItemCount(HMENU menu);
// The id of the item at the position; -1 for a popup or no item.
WINPORT_API UINT GetMenuItemID(HMENU menu, int position);
WINPORT_API HMENU GetSubMenu(HMENU menu, int position);
// Puts the menu bar on a top-level window (NULL removes it); the client area shrinks below it.
WINPORT_API BOOL SetMenu(HWND hwnd, HMENU menu);
WINPORT_API HMENU GetMenu(HWND hwnd);
WINPORT_API BOOL DrawMenuBar(HWND hwnd);
// A MENU resource of a module's resource script (NULL module: any registered one), as a new menu
// the caller destroys.
WINPORT_API HMENU LoadMenu(HINSTANCE instance, LPCSTR name);

// Shortcut menus: TrackPopupMenu shows the popup at the screen point and waits for the choice.
// The chosen item's WM_COMMAND is posted to the owner and TRUE returned, or with TPM_RETURNCMD
// the id is returned and nothing posted; 0 when the menu is dismissed.
#define TPM_LEFTBUTTON 0x0000
#define TPM_RIGHTBUTTON 0x0002
#define TPM_LEFTALIGN 0x0000
#define TPM_CENTERALIGN 0x0004
#define TPM_RIGHTALIGN 0x0008
#define TPM_TOPALIGN 0x0000
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100
WINPORT_API BOOL TrackPopupMenu(
    HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);

// String resources of a module's resource script (NULL module: any registered one).
WINPORT_API int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int size);

// Message boxes.
WINPORT_API int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
WINPORT_API BOOL MessageBeep(UINT type);

// Mouse: hooks, tracking, cursor.
WINPORT_API HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
WINPORT_API BOOL UnhookWindowsHookEx(HHOOK hook);
WINPORT_API LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
WINPORT_API BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track);
WINPORT_API BOOL GetCursorPos(LPPOINT point);
WINPORT_API BOOL SetCursorPos(int x, int y);
WINPORT_API HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
WINPORT_API HCURSOR SetCursor(HCURSOR cursor);
WINPORT_API HCURSOR GetCursor();
WINPORT_API DWORD GetCurrentThreadId();

// Icons: LoadImage finds an ICON resource of a module (its file names one of the platform's
// standard icons: "folder.ico", "file.ico", "drive.ico", "cdrom.ico", "netdrive.ico") or, with
// LR_LOADFROMFILE, reads an image file. Other image types are not supported.
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x00000000
#define LR_MONOCHROME 0x00000001
#define LR_LOADFROMFILE 0x00000010
#define LR_LOADTRANSPARENT 0x00000020
#define LR_DEFAULTSIZE 0x00000040
#define LR_SHARED 0x00008000
WINPORT_API HANDLE LoadImage(
    HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
WINPORT_API HICON LoadIcon(HINSTANCE instance, LPCSTR name);
WINPORT_API BOOL DestroyIcon(HICON icon);

// The "A" names of the functions that take or give text.
inline ATOM RegisterClassA(const WNDCLASSA* wc) { return RegisterClass(wc); }
inline HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
    int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param)
{
    return CreateWindowEx(exStyle, className, windowName, style, x, y, width, height, parent,
        menuOrId, instance, param);
}
inline LRESULT SendMessageA(HWND h, UINT m, WPARAM w, LPARAM l) { return SendMessage(h, m, w, l); }
inline BOOL PostMessageA(HWND h, UINT m, WPARAM w, LPARAM l) { return PostMessage(h, m, w, l); }
inline LRESULT DefWindowProcA(HWND h, UINT m, WPARAM w, LPARAM l)
{
    return DefWindowProc(h, m, w, l);
}
inline BOOL PeekMessageA(LPMSG msg, HWND h, UINT lo, UINT hi, UINT remove)
{
    return PeekMessage(msg, h, lo, hi, remove);
}
inline BOOL GetMessageA(LPMSG msg, HWND h, UINT lo, UINT hi) { return GetMessage(msg, h, lo, hi); }
inline LRESULT DispatchMessageA(const MSG* msg) { return DispatchMessage(msg); }
inline BOOL SetWindowTextA(HWND h, LPCSTR text) { return SetWindowText(h, text); }
inline int GetWindowTextA(HWND h, LPSTR buffer, int size) { return GetWindowText(h, buffer, size); }
inline int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    return MessageBox(owner, text, caption, type);
}
inline HWND CreateDialogParamA(
    HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param)
{
    return CreateDialogParam(instance, templateName, parent, proc, param);
}
inline INT_PTR DialogBoxParamA(
    HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param)
{
    return DialogBoxParam(instance, templateName, parent, proc, param);
}
inline LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT m, WPARAM w, LPARAM l)
{
    return SendDlgItemMessage(dialog, id, m, w, l);
}
inline BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    return SetDlgItemText(dialog, id, text);
}
inline UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size)
{
    return GetDlgItemText(dialog, id, buffer, size);
}
inline HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId)
{
    return SetWindowsHookEx(idHook, proc, module, threadId);
}
inline HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) { return LoadCursor(instance, name); }
inline HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    return LoadImage(instance, name, type, cx, cy, flags);
}
inline HICON LoadIconA(HINSTANCE instance, LPCSTR name) { return LoadIcon(instance, name); }
inline LONG_PTR GetWindowLongPtrA(HWND h, int index) { return GetWindowLongPtr(h, index); }
inline LONG_PTR SetWindowLongPtrA(HWND h, int index, LONG_PTR value)
{
    return SetWindowLongPtr(h, index, value);
}
inline BOOL IsDialogMessageA(HWND dialog, LPMSG msg) { return IsDialogMessage(dialog, msg); }
inline HMENU LoadMenuA(HINSTANCE instance, LPCSTR name) { return LoadMenu(instance, name); }
inline BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    return AppendMenu(menu, flags, idOrPopup, text);
}
