#include "benchsupport.h"
#include "odbcconfig.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace bench {

std::string beginRun()
{
    tessiloUseProjectOdbcConfig();
    if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char root[] = "/tmp/tessilo-bench-XXXXXX";
    if (!mkdtemp(root))
        fail("cannot make a folder under /tmp");
    setenv("RIVANTA_ROOT", root, 1);
    return root;
}

double secondsOf(const std::function<void()>& run)
{
    auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string quoted(const std::string& s)
{
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

void fail(const std::string& why)
{
    fprintf(stderr, "%s: %s\n", program_invocation_short_name, why.c_str());
    exit(1);
}

void shell(const std::string& command)
{
    if (system(command.c_str()) != 0)
        fail("failed: " + command);
}

std::string makeSampleDatabase(const std::string& folder, long rows)
{
    std::string path = folder + "/" + std::to_string(rows) + ".mdb";
    shell(std::string(TESSILO_BINARY_DIR) + "/bin/tessilo-sampledb --readings "
        + std::to_string(rows) + " " + quoted(path) + " >/dev/null");
    return path;
}

std::string accessConnect(const std::string& path)
{
    return "DBQ=" + path + ";Driver={Microsoft Access Driver (*.mdb)};";
}

void settle()
{
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

void liftLimit(bookEdit& view) { view.GetEditCtrl().SetLimitText(0); }
void liftLimit(bookRichEdit& view) { view.GetRichEditCtrl().LimitText(0x7FFFFFFE); }

void insertAll(bookEdit& view, const CString& text) { view.GetEditCtrl().SetWindowText(text); }

void insertAll(bookRichEdit& view, const CString& text)
{
    CRichEditCtrl& control = view.GetRichEditCtrl();
    control.SetSel(0, 0);
    control.ReplaceSel(text);
}

} // namespace bench
