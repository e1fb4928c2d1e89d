// The demo host's Tools menu: it opens the date, meter reading and inventory threshold dialogs
// and the control frame (a list of the sample database's meters) over the main window, reacts to
// their command 1083 by reading the exported readers, shows what it read in a status line at the
// foot of the window and in the book's log, and destroys the modeless dialog it has read.
#pragma once

#include "book/book.h"
#include "democontrolframe.h"
#include "dialogs/mfcdatesel.h"
#include "dialogs/mfcdateselmeterreading.h"
#include "dialogs/mfcinvthreshold.h"
#include "ftp/dlgftp.h"

#include <memory>
#include <string>

// The Tools menu's commands and the status line's id.
enum demoDialogsId : UINT {
    demoDateCommand = 3001,
    demoMeterCommand,
    demoThresholdCommand,
    demoFtpCommand,
    demoControlCommand,
    demoStatusLineId = 3010,
};

class demoDialogs {
public:
    // Appends the Tools menu to the frame's menu bar (making the bar when there is none) and
    // creates the status line.
    explicit demoDialogs(CWnd* frame);
    ~demoDialogs();
    demoDialogs(const demoDialogs&) = delete;
    demoDialogs& operator=(const demoDialogs&) = delete;

    // The book whose log records what the dialogs gave (none: the status line only).
    void demoDialogsLogTo(book* log) { m_log = log; }
    // The Tools commands and command 1083; FALSE for commands of others.
    BOOL demoDialogsCommand(WPARAM wParam, LPARAM lParam);
    // Places the status line at the foot of a client area of cx by cy; the height left above it.
    int demoDialogsPlace(int cx, int cy);

    void demoDialogsOpenDate();
    void demoDialogsOpenMeter();
    // Runs the modal threshold dialog and reports the percentage.
    void demoDialogsAskThreshold();
    // Runs the FTP browser modally (the library's application object keeps its settings).
    void demoDialogsRunFtp();
    // Shows the control frame (made on first use) with the meters read afresh.
    void demoDialogsOpenControlFrame();

    // The open modeless dialogs (NULL when none) and the status line's text.
    mfcDateSel* demoDialogsDate() const { return m_date.get(); }
    mfcDateSelMeterReading* demoDialogsMeter() const { return m_meter.get(); }
    demoControlFrame* demoDialogsControlFrame() const { return m_control.get(); }
    CString demoDialogsStatus() const;
    // Shows a line in the status line and the book's log.
    void demoDialogsReport(const CString& text) { report(text); }

private:
    void report(const CString& text);
    void closeDate();
    void closeMeter();

    CWnd* m_frame;
    book* m_log = nullptr;
    CMenu m_bar; // the menu bar when the frame had none
    CStatic m_status;
    std::unique_ptr<mfcDateSel> m_date;
    std::unique_ptr<mfcDateSelMeterReading> m_meter;
    std::unique_ptr<demoControlFrame> m_control;
};

// Opens the dialog named "date", "meter", "threshold", "ftp" or "ftplist" over the frame, saves a
// PNG of it and closes it again; false when it cannot be opened or saved. "ftp" connects to the
// remembered host when there is one and expands both trees' first level; "ftplist" then adds the
// files of the host's top folder and of C:\ to the transfer lists and pictures the list dialog.
bool demoDialogsScreenshot(demoDialogs& dialogs, const std::string& which, const char* path);
