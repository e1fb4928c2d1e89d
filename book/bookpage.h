// bookpage: the face of one page of a book. Not a window: a polymorphic object whose virtual
// operations the book calls when the page is created, becomes current or hidden, is resized,
// and when commands, messages, notifications, message-box answers and right clicks reach it.
// Every default is safe to call on a page that does not care about the operation.
#pragma once

#include "tessilo40_api.h"
#include <afxwin.h>
#include <afxdlgs.h>

class book;
struct _bookMessageBox;

class TESSILO40_API bookpage {
public:
    // A page without a book: index -1, not read-only. It cannot be initialised.
    bookpage();
    // Stores the owner and reports 0. The tab is not inserted here: a derived constructor builds
    // its members and then calls bookpageInit(title, index), storing its result in *status, so
    // that bookpageInit reaches the derived bookpageCreate.
    bookpage(book* owner, char* title, unsigned int index, long* status);
    bookpage(const bookpage& other) = default;
    bookpage& operator=(const bookpage& other) = default;
    // Runs the base bookpageDeInit. A derived destructor calls its own bookpageDestroy first.
    virtual ~bookpage();

    book* bookpageGetOwner();

    // The virtual operations, in slot order.
    virtual void bookpageMouseTrack();
    virtual void bookpageMouseTrackSet(HWND window);
    virtual long bookpageInit(char* title, unsigned int index);
    virtual long bookpageDeInit();
    virtual long bookpageCreate();
    virtual long bookpageDestroy();
    virtual long bookpageChanging();
    virtual long bookpageChange();
    virtual void bookpageButtonProcess();
    virtual void bookpageButtonProcessReadOnly();
    virtual void bookpageSetReadOnly(BOOL readOnly);
    virtual BOOL bookpageGetReadOnly();
    virtual long bookpageSize(unsigned int type, int cx, int cy);
    virtual long bookpageMove(int x, int y);
    virtual BOOL bookpageCmdMsg(unsigned int id, int code, void* extra, AFX_CMDHANDLERINFO* info);
    virtual BOOL bookpagePreTranslateMessage(MSG* msg);
    virtual long bookpageEditCopy();
    virtual long bookpageEditCut();
    virtual long bookpageEditPaste();
    virtual long bookpagePrint();
    virtual long bookpagePrintPreview();
    virtual HWND bookpageGetFontWindow(CFont** font, LOGFONTA* logFont);
    virtual HDC bookpageGetFontCfd(CFontDialog* dialog, CFont** font, LOGFONTA* logFont);
    virtual long bookpageSetFont(CFontDialog* dialog);
    virtual long bookpageSetFont(int pointSize, char* faceName);
    virtual long bookpageSetFont(HWND window);
    virtual long bookpageSetFont(HWND window, LOGFONTA* logFont);
    virtual long bookpageFileOpen();
    virtual long bookpageFileSave();
    virtual void bookpageShow(BOOL show);
    virtual BOOL bookpageDoNotify(unsigned int wParam, long lParam, long* result);
    virtual void bookpageMessageBoxCatch(_bookMessageBox* box);
    virtual void MouseRButtonDown(unsigned int hitTest, CPoint screenPoint);

protected:
    int m_bookpageIndex; // slot and tab position; -1 when not registered
    book* m_bookpageOwner;
    BOOL m_bookpageReadOnly;

private:
    book* liveOwner() const;
};
