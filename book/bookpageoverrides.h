// The declarations of the bookpage overrides that the pages with content of their own share, so
// that each page class lists only what is particular to it.
#pragma once

// Every such page: its life in the book (made, ended, left, entered, sized, shown), its commands
// and messages, and the Edit and Print commands.
#define BOOKPAGE_CONTENT_OVERRIDES                                                                 \
    long bookpageCreate() override;                                                                \
    long bookpageDestroy() override;                                                               \
    long bookpageChanging() override;                                                              \
    long bookpageChange() override;                                                                \
    long bookpageSize(unsigned int type, int cx, int cy) override;                                 \
    void bookpageShow(BOOL show) override;                                                         \
    BOOL bookpageCmdMsg(unsigned int id, int code, void* extra, AFX_CMDHANDLERINFO* info)          \
        override;                                                                                  \
    BOOL bookpagePreTranslateMessage(MSG* msg) override;                                           \
    long bookpageEditCopy() override;                                                              \
    long bookpageEditCut() override;                                                               \
    long bookpageEditPaste() override;                                                             \
    long bookpagePrint() override;                                                                 \
    long bookpagePrintPreview() override;

// A page with a text of its own: its font requests and the File Open and Save commands.
#define BOOKPAGE_TEXT_OVERRIDES                                                                    \
    long bookpageSetFont(int pointSize, char* faceName) override;                                  \
    long bookpageSetFont(CFontDialog* dialog) override;                                            \
    long bookpageFileOpen() override;                                                              \
    long bookpageFileSave() override;
