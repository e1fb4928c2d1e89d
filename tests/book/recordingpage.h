// A page that records, in order, every call its book makes on it (and the calls the base
// defaults make in turn), then behaves as the base page does unless a test asks otherwise.
#pragma once

#include "book/book.h"

#include <string>
#include <vector>

class RecordingPage : public bookpage {
public:
    // Records go to `calls` as "<name>:<operation>[(args)]".
    RecordingPage(book* owner, const char* title, unsigned int index, long* status,
        std::vector<std::string>* calls, const char* name, long createResult = 0)
        : bookpage(owner, const_cast<char*>(title), index, status)
        , m_calls(calls)
        , m_name(name)
        , m_createResult(createResult)
    {
        long result = bookpageInit(const_cast<char*>(title), index);
        if (status)
            *status = result;
    }

    ~RecordingPage() override
    {
        bookpageDestroy();
        record("~");
    }

    int index() const { return m_bookpageIndex; }
    void clear() { m_calls->clear(); }

    long setFontDialogResult = E_FAIL;
    long editResult = 0;
    BOOL cmdMsgResult = FALSE;
    BOOL notifyResult = FALSE;
    HWND fontWindow = nullptr;
    CFont* fontWindowFont = nullptr;
    _bookMessageBox lastBox { nullptr, CString(), CString(), 0 };
    CPoint lastRightClick { -1, -1 };
    unsigned int lastHitTest = 0;

    void bookpageMouseTrack() override
    {
        record("MouseTrack");
        bookpage::bookpageMouseTrack();
    }
    void bookpageMouseTrackSet(HWND window) override
    {
        record(window ? "MouseTrackSet(window)" : "MouseTrackSet(null)");
        bookpage::bookpageMouseTrackSet(window);
    }
    long bookpageInit(char* title, unsigned int index) override
    {
        record("Init(" + std::to_string(index) + ")");
        return bookpage::bookpageInit(title, index);
    }
    long bookpageDeInit() override
    {
        record("DeInit");
        return bookpage::bookpageDeInit();
    }
    long bookpageCreate() override
    {
        record("Create");
        return m_createResult;
    }
    long bookpageDestroy() override
    {
        record("Destroy");
        return 0;
    }
    long bookpageChanging() override
    {
        record("Changing");
        return bookpage::bookpageChanging();
    }
    long bookpageChange() override
    {
        record("Change");
        return bookpage::bookpageChange();
    }
    void bookpageButtonProcess() override
    {
        record("ButtonProcess");
        bookpage::bookpageButtonProcess();
    }
    void bookpageButtonProcessReadOnly() override { record("ButtonProcessReadOnly"); }
    void bookpageSetReadOnly(BOOL readOnly) override
    {
        record("SetReadOnly(" + std::to_string(readOnly) + ")");
        bookpage::bookpageSetReadOnly(readOnly);
    }
    long bookpageSize(unsigned int type, int cx, int cy) override
    {
        record("Size(" + std::to_string(type) + "," + std::to_string(cx) + "," + std::to_string(cy)
            + ")");
        return 0;
    }
    long bookpageMove(int x, int y) override
    {
        record("Move(" + std::to_string(x) + "," + std::to_string(y) + ")");
        return 0;
    }
    BOOL bookpageCmdMsg(unsigned int id, int code, void*, AFX_CMDHANDLERINFO*) override
    {
        record("CmdMsg(" + std::to_string(id) + "," + std::to_string(code) + ")");
        return cmdMsgResult;
    }
    BOOL bookpagePreTranslateMessage(MSG* msg) override
    {
        record("PreTranslate(" + std::to_string(msg ? msg->message : 0) + ")");
        return TRUE;
    }
    long bookpageEditCopy() override { return recorded("EditCopy", editResult); }
    long bookpageEditCut() override { return recorded("EditCut", editResult); }
    long bookpageEditPaste() override { return recorded("EditPaste", editResult); }
    long bookpagePrint() override { return recorded("Print", editResult); }
    long bookpagePrintPreview() override { return recorded("PrintPreview", editResult); }
    HWND bookpageGetFontWindow(CFont** font, LOGFONTA*) override
    {
        record("GetFontWindow");
        if (font)
            *font = fontWindowFont;
        return fontWindow;
    }
    HDC bookpageGetFontCfd(CFontDialog* dialog, CFont** font, LOGFONTA* logFont) override
    {
        record("GetFontCfd");
        return bookpage::bookpageGetFontCfd(dialog, font, logFont);
    }
    long bookpageSetFont(CFontDialog*) override
    {
        return recorded("SetFont(dialog)", setFontDialogResult);
    }
    long bookpageSetFont(int pointSize, char* faceName) override
    {
        record("SetFont(" + std::to_string(pointSize) + "," + std::string(faceName ? faceName : "")
            + ")");
        return 0;
    }
    long bookpageSetFont(HWND) override { return recorded("SetFont(window)", 0); }
    long bookpageSetFont(HWND, LOGFONTA*) override
    {
        return recorded("SetFont(window,logfont)", 0);
    }
    long bookpageFileOpen() override { return recorded("FileOpen", E_FAIL); }
    long bookpageFileSave() override { return recorded("FileSave", E_FAIL); }
    void bookpageShow(BOOL show) override
    {
        record("Show(" + std::to_string(show) + ")");
        bookpage::bookpageShow(show);
    }
    BOOL bookpageDoNotify(unsigned int wParam, long, long* result) override
    {
        record("DoNotify(" + std::to_string(wParam) + ")");
        if (result)
            *result = 77;
        return notifyResult;
    }
    void bookpageMessageBoxCatch(_bookMessageBox* box) override
    {
        record("MessageBoxCatch(" + std::to_string(box ? box->type : -1) + ")");
        if (box)
            lastBox = *box;
    }
    void MouseRButtonDown(unsigned int hitTest, CPoint screenPoint) override
    {
        record("MouseRButtonDown");
        lastHitTest = hitTest;
        lastRightClick = screenPoint;
    }

private:
    void record(const std::string& call) { m_calls->push_back(m_name + ":" + call); }
    long recorded(const std::string& call, long result)
    {
        record(call);
        return result;
    }

    std::vector<std::string>* m_calls;
    std::string m_name;
    long m_createResult;
};
