// A minimal host of the installed library that includes only tessilo40.h and uses one class or
// function of every subsystem: app, book, db, report, views, inet and ftp.
#include <tessilo40.h>

#include <cstdio>

int main()
{
    int failures = 0;
    auto check = [&failures](bool ok, const char* what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
        failures += ok ? 0 : 1;
    };
    check(TessiloApp.IsNumber(" 12.5 ") == 2, "TessiloApp.IsNumber");
    check(TessiloApp.GetConnectStrTemplate(7) == CTessiloApp::ConnectBuiltInTemplate(1),
        "TessiloApp.GetConnectStrTemplate");
    check(TessiloApp.writeProfileString("HostCheck", "1")
            && TessiloApp.getProfileInt("HostCheck", 0) == 1,
        "TessiloApp profile");

    keyValuePairList list(3);
    check(list.SetItLongLong(4, 40) == 40 && list.GetItLongLong(4) == 40, "keyValuePairList");
    check(list.GetItLongDouble(4) == keyValuePairList::doubleSentinel, "keyValuePairList sentinel");

    CString date;
    dateFormat::dateFormatLong("2007-03-05 00:00:00", &date);
    check(date == "March 05,2007", "dateFormat");

    check(bookLogFile::stamp(0).GetLength() > 0, "bookLogFile::stamp");

    MfcSQL sql;
    check(sql.MfcSQLDeInit() == 0, "MfcSQL without a connection");

    bookEdit edit;
    check(edit.GetSafeHwnd() == nullptr && edit.bookEditGetTitleString().IsEmpty(), "bookEdit");

    CNetvaneHttp http;
    check(http.URLClose() == 1, "CNetvaneHttp without a connection");

    std::vector<_DlgFtpItemTransfer> transfers;
    check(dlgftpitemReadList(nullptr, transfers) == -1, "dlgftpitemReadList without a name");
    return failures == 0 ? 0 : 1;
}
