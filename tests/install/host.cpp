// A minimal host of the installed library: the application object, a key-value list and a date.
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
    return failures == 0 ? 0 : 1;
}
