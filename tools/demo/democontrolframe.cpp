#include "democontrolframe.h"

#include "sqlpages/sqllist.h"

namespace {
const char kTitle[] = "Control Frame - Meters";
const char kMetersSql[] = "SELECT MeterID, SerialNumber, Make, SizeInches, Active FROM Meters "
                          "ORDER BY MeterID";
const int kSerialColumn = 1;
}

demoControlFrame::demoControlFrame(
    CWnd* parent, RECT placement, std::function<void(const CString&)> report)
    : MfcControlSQL(parent, MFCCONTROLSQL_LIST, kTitle, &placement, 1, nullptr)
    , m_report(std::move(report))
{
}

BOOL demoControlFrame::demoControlFrameShow()
{
    SQLList* list = GetList();
    if (!list || !list->GetSQLExec()) {
        m_report("The control frame cannot reach the database");
        return FALSE;
    }
    SetSQL(kMetersSql);
    SQLExecute();
    ShowWindow(SW_SHOW);
    // Result rows carry item data 1; the separator and totals rows 0.
    CListCtrl& rows = list->GetListCtrl();
    int meters = 0;
    for (int row = 0; row < rows.GetItemCount(); ++row)
        meters += rows.GetItemData(row) == 1 ? 1 : 0;
    CString text;
    text.Format("Control frame: %d meters", meters);
    m_report(text);
    return TRUE;
}

CString demoControlFrame::demoControlFrameSerial(long row) const
{
    SQLList* list = GetList();
    if (!list || row < 0 || row >= list->GetListCtrl().GetItemCount())
        return CString();
    CString serial = list->GetListCtrl().GetItemText(static_cast<int>(row), kSerialColumn);
    serial.Trim();
    return serial;
}

void demoControlFrame::OnOK()
{
    MfcControlSQL::OnOK();
    if (GetClosingState() != 6)
        return; // a cell editor was closed; the frame stays
    CString serial = demoControlFrameSerial(GetSelectedRow());
    m_report(serial.IsEmpty() ? CString("Control frame closed, no meter picked")
                              : "Meter picked: " + serial);
}
