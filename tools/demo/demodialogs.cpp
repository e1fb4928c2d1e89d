#include "demodialogs.h"

#include "app/tessilo.h"
#include "ftp/dlgftplist.h"
#include "resources/resource.h"

#include <winport/testinput.h>
#include <winport/testing.h>

#include <cstdio>
#include <string>

namespace {

// The current reading the demo hands to the meter dialog, as a meter would report it.
const char kDemoCurrentReading[] = "1520.7500";
const int kStatusHeight = 22;

CString dayText(CTime day) { return day.GetTime() == 0 ? CString("none") : day.Format("%Y-%m-%d"); }

HWND okButtonOf(CDialog* dialog)
{
    return dialog && dialog->GetSafeHwnd() ? ::GetDlgItem(dialog->m_hWnd, IDOK) : nullptr;
}

} // namespace

demoDialogs::demoDialogs(CWnd* frame)
    : m_frame(frame)
{
    CMenu tools;
    tools.CreatePopupMenu();
    tools.AppendMenu(MF_STRING, demoDateCommand, "Select a &Date...");
    tools.AppendMenu(MF_STRING, demoMeterCommand, "Set &Meter Vitals...");
    tools.AppendMenu(MF_STRING, demoThresholdCommand, "Inventory &Threshold...");
    tools.AppendMenu(MF_SEPARATOR);
    tools.AppendMenu(MF_STRING, demoFtpCommand, "&FTP Browser...");
    tools.AppendMenu(MF_STRING, demoControlCommand, "&Control Frame...");
    HMENU bar = ::GetMenu(frame->m_hWnd);
    if (!bar) {
        m_bar.CreateMenu();
        bar = m_bar.GetSafeHmenu();
    }
    ::AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools.Detach()), "&Tools");
    ::SetMenu(frame->m_hWnd, bar);
    m_status.Create("Ready", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_SUNKEN,
        CRect(0, 0, 10, kStatusHeight), frame, demoStatusLineId);
}

demoDialogs::~demoDialogs()
{
    closeDate();
    closeMeter();
    if (m_control && m_control->GetSafeHwnd())
        m_control->DestroyWindow();
    m_control.reset();
    if (m_frame->GetSafeHwnd() && ::GetMenu(m_frame->m_hWnd) == m_bar.GetSafeHmenu())
        ::SetMenu(m_frame->m_hWnd, nullptr);
}

int demoDialogs::demoDialogsPlace(int cx, int cy)
{
    int above = cy > kStatusHeight ? cy - kStatusHeight : 0;
    if (m_status.GetSafeHwnd())
        m_status.MoveWindow(0, above, cx, cy - above);
    return above;
}

CString demoDialogs::demoDialogsStatus() const
{
    CString text;
    if (m_status.GetSafeHwnd())
        m_status.GetWindowText(text);
    return text;
}

void demoDialogs::report(const CString& text)
{
    if (m_status.GetSafeHwnd())
        m_status.SetWindowText(text);
    if (m_log) {
        CString line(text);
        m_log->bookLog(const_cast<char*>(line.GetString()), line.GetLength());
    }
}

void demoDialogs::closeDate()
{
    if (m_date && m_date->GetSafeHwnd())
        m_date->DestroyWindow();
    m_date.reset();
}

void demoDialogs::closeMeter()
{
    if (m_meter && m_meter->GetSafeHwnd())
        m_meter->DestroyWindow();
    m_meter.reset();
}

void demoDialogs::demoDialogsOpenDate()
{
    closeDate();
    m_date = std::make_unique<mfcDateSel>(m_frame, m_frame->m_hWnd, CTime::GetCurrentTime());
    if (!m_date->GetSafeHwnd()) {
        m_date.reset();
        report("The date dialog cannot be opened");
    }
}

void demoDialogs::demoDialogsOpenMeter()
{
    // A meter dialog cancelled earlier is hidden but still there: it goes now.
    closeMeter();
    m_meter = std::make_unique<mfcDateSelMeterReading>(
        m_frame, m_frame->m_hWnd, CTime::GetCurrentTime());
    if (!m_meter->GetSafeHwnd()) {
        m_meter.reset();
        report("The meter dialog cannot be opened");
        return;
    }
    m_meter->mfcMeterReadingSet(kDemoCurrentReading);
}

void demoDialogs::demoDialogsAskThreshold()
{
    mfcInvThreshold threshold(m_frame);
    CString text;
    text.Format("Inventory threshold: %.1f %%", threshold.dThreshold);
    if (threshold.dThreshold > 100.0)
        text += " (above 100 %: every inventory qualifies)";
    report(text);
}

void demoDialogs::demoDialogsRunFtp()
{
    CDlgFtp browser(&TessiloApp, m_frame);
    if (browser.DoModal() < 0)
        report("The FTP browser cannot be opened");
    else
        report("FTP browser closed");
}

void demoDialogs::demoDialogsOpenControlFrame()
{
    if (!m_control) {
        CRect client;
        m_frame->GetClientRect(&client);
        CRect place(client.left + 40, client.top + 40, client.right - 40,
            demoDialogsPlace(client.Width(), client.Height()) - 40);
        m_control = std::make_unique<demoControlFrame>(
            m_frame, place, [this](const CString& text) { report(text); });
    }
    m_control->demoControlFrameShow();
}

BOOL demoDialogs::demoDialogsCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case demoDateCommand:
        demoDialogsOpenDate();
        return TRUE;
    case demoMeterCommand:
        demoDialogsOpenMeter();
        return TRUE;
    case demoThresholdCommand:
        demoDialogsAskThreshold();
        return TRUE;
    case demoFtpCommand:
        demoDialogsRunFtp();
        return TRUE;
    case demoControlCommand:
        demoDialogsOpenControlFrame();
        return TRUE;
    case IDC_MFCDATESEL_DONE:
        break;
    default:
        return FALSE;
    }
    // Command 1083: the OK button's handle says which dialog was confirmed; NULL is the date
    // dialog's Cancel (the meter dialog does not report Cancel).
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control && control == okButtonOf(m_meter.get())) {
        CString text;
        text.Format("Meter reading of %s: current %s, starting %s, volume %s",
            dayText(mfcDateGetMeterReading()).GetString(), mfcMeterReadingGet().GetString(),
            mfcMeterReadingLastGet().GetString(), mfcMeterReadingVolumeGet().GetString());
        report(text);
        closeMeter();
    } else if (control && control == okButtonOf(m_date.get())) {
        report("Date selected: " + dayText(mfcDateGet()));
        closeDate();
    } else if (!control && m_date) {
        report("Date selection cancelled");
        closeDate();
    }
    return TRUE;
}

namespace {

HTREEITEM treeNext(HWND tree, HTREEITEM item, UINT code)
{
    return reinterpret_cast<HTREEITEM>(
        ::SendMessage(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

// Expands the item and returns its first child.
HTREEITEM expandItem(HWND tree, HTREEITEM item)
{
    if (!item)
        return nullptr;
    ::SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    return treeNext(tree, item, TVGN_CHILD);
}

// Adds every file among the item's children to the transfer list, as the shortcut menu's Add does.
void addFiles(HWND browser, HWND tree, HTREEITEM first)
{
    ::SetFocus(tree);
    for (HTREEITEM item = first; item; item = treeNext(tree, item, TVGN_NEXT)) {
        TVITEMA info {};
        info.mask = TVIF_PARAM;
        info.hItem = item;
        ::SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        const auto* node = reinterpret_cast<const _DlgFtpItem*>(info.lParam);
        if (!node || node->type != DLGFTPITEM_FILE)
            continue;
        ::SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        ::SendMessage(browser, WM_COMMAND, MAKEWPARAM(ID_FTP_ADD, 0), 0);
    }
}

// The browser as the screenshots show it: connected when a host is remembered, both trees open.
bool ftpScreenshot(demoDialogs& dialogs, bool list, const char* path)
{
    using namespace winport::testing;
    bool saved = false;
    ScriptModalDialog(
        [&](HWND browser) {
            HWND local = ::GetDlgItem(browser, IDC_TREE_LOCAL);
            HWND host = ::GetDlgItem(browser, IDC_TREE_HOST);
            char url[260] = {};
            ::GetDlgItemTextA(browser, IDC_EDIT_URL, url, sizeof url);
            if (url[0])
                ::SendMessage(browser, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_CONNECT, BN_CLICKED), 0);
            HTREEITEM drive = treeNext(local, nullptr, TVGN_ROOT);
            for (; drive; drive = treeNext(local, drive, TVGN_NEXT)) {
                char text[8] = {};
                TVITEMA info {};
                info.mask = TVIF_TEXT;
                info.hItem = drive;
                info.pszText = text;
                info.cchTextMax = sizeof text;
                ::SendMessage(local, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
                if (std::string(text) == "C:\\")
                    break;
            }
            HTREEITEM localFirst = expandItem(local, drive);
            HTREEITEM hostFirst = expandItem(host, treeNext(host, nullptr, TVGN_ROOT));
            HWND shot = browser;
            if (list) {
                addFiles(browser, host, hostFirst);
                addFiles(browser, local, localFirst);
                ::SendMessage(
                    browser, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_TRANSFERLIST, BN_CLICKED), 0);
                auto* owner = dynamic_cast<CDlgFtp*>(CWnd::FromHandlePermanent(browser));
                if (owner && owner->GetListDialog())
                    shot = owner->GetListDialog()->GetSafeHwnd();
            }
            PumpEvents(200);
            saved = SaveWindowPng(shot, path);
            ::PostMessage(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        },
        30000);
    dialogs.demoDialogsRunFtp();
    return saved;
}

} // namespace

bool demoDialogsScreenshot(demoDialogs& dialogs, const std::string& which, const char* path)
{
    using namespace winport::testing;
    if (which == "ftp" || which == "ftplist") {
        EnableScriptedUi([](const std::string& message) {
            std::fprintf(stderr, "tessilo-demo: %s\n", message.c_str());
        });
        return ftpScreenshot(dialogs, which == "ftplist", path);
    }
    if (which == "threshold") {
        // Modal: the picture is taken once the dialog is up, then it is cancelled.
        bool saved = false;
        EnableScriptedUi([](const std::string& message) {
            std::fprintf(stderr, "tessilo-demo: %s\n", message.c_str());
        });
        ScriptModalDialog([&](HWND dialog) {
            PumpEvents(100);
            saved = SaveWindowPng(dialog, path);
            ::PostMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        dialogs.demoDialogsAskThreshold();
        return saved;
    }
    CDialog* dialog = nullptr;
    if (which == "date") {
        dialogs.demoDialogsOpenDate();
        dialog = dialogs.demoDialogsDate();
    } else if (which == "meter") {
        dialogs.demoDialogsOpenMeter();
        if (mfcDateSelMeterReading* meter = dialogs.demoDialogsMeter()) {
            meter->mfcMeterReadingLastSet("1498.2500");
            meter->mfcMeterReadingCalcVolumeGet();
            dialog = meter;
        }
    }
    if (!dialog || !dialog->GetSafeHwnd())
        return false;
    PumpEvents(200);
    return SaveWindowPng(dialog->m_hWnd, path);
}
