#include "demoreportpage.h"

#include "report/bookmfcsql.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
const int kHeadingHeight = 18;
}

demoReportPage::demoReportPage(
    book* owner, unsigned int index, long* status, const std::string& sqlFile)
    : demoPage(owner, "Report", index, status)
    , m_sqlFile(sqlFile)
{
    long result = bookpageInit(const_cast<char*>("Report"), index);
    if (status)
        *status = result;
}

demoReportPage::~demoReportPage() { demoReportPage::bookpageDestroy(); }

std::string demoReportPage::demoReportDefaultFile()
{
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (program.parent_path().parent_path() / "share/tessilo40/reports/meter-readings.sql")
        .lexically_normal()
        .string();
}

long demoReportPage::bookpageCreate()
{
    book* owner = bookpageGetOwner();
    CRect cell(0, 0, 100, 100);
    CString heading = "Readings per meter with totals, through the report writer ("
        + CString(std::filesystem::path(m_sqlFile).filename().string().c_str()) + ")";
    if (!m_heading.Create(heading, WS_CHILD, cell, owner, demoReportHeadingId)
        || !m_view.Create(nullptr, nullptr,
            WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL
                | ES_AUTOVSCROLL,
            cell, owner, demoReportViewId)) {
        bookpageDestroy();
        return E_FAIL;
    }
    m_view.GetRichEditCtrl().LimitText(0x7FFFFFFE);
    m_view.bookEditSetFont();
    return 0;
}

long demoReportPage::bookpageDestroy()
{
    for (CWnd* window : windows())
        if (window->GetSafeHwnd())
            window->DestroyWindow();
    return 0;
}

long demoReportPage::bookpageChange()
{
    long result = demoPage::bookpageChange();
    if (!m_ran) {
        m_ran = true;
        demoReportRun();
    }
    return result;
}

long demoReportPage::demoReportRun()
{
    if (!m_view.GetSafeHwnd())
        return E_UNEXPECTED;
    std::ifstream in(m_sqlFile, std::ios::binary);
    std::string sql((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in || sql.empty()) {
        m_view.SetWindowText(("Cannot read the report file " + m_sqlFile).c_str());
        return E_FAIL;
    }
    long result = 0;
    bookMfcSQL writer(&result);
    if (result != 0) {
        m_view.SetWindowText("No database: the profile's \"ConnectStr\" names none that answers "
                             "(tessilo-sampledb --profile builds the sample database).");
        return E_FAIL;
    }
    writer.MfcSQLSetOutput(&m_view);
    writer.MfcSQLWantTotals(1);
    writer.MfcSQLWantDate(1);
    _ODBCItemBuff* buff = writer.MfcSQLSetSQLBuff(static_cast<unsigned int>(sql.size()));
    long count = 0;
    long rc = writer.MfcSQLExecStr(const_cast<char*>(sql.c_str()), &count, buff);
    writer.MfcSQLFreeSQLBuff(buff);
    return rc;
}

void demoReportPage::layout(const CRect& area)
{
    m_heading.MoveWindow(area.left, area.top, area.Width(), kHeadingHeight);
    int top = area.top + kHeadingHeight + 4;
    m_view.MoveWindow(area.left, top, area.Width(), area.bottom - top);
}

std::vector<CWnd*> demoReportPage::windows() { return { &m_heading, &m_view }; }
