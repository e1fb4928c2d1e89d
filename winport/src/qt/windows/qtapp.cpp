#include "qtapp.h"
#include "input.h"
#include "winport/headless.h"

#include <QApplication>
#include <QFont>
#include <cstdlib>
#include <string>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace winport {
namespace {
    bool g_headless = false;

    // Windows face names the suite uses, resolved to the metric-compatible Liberation faces.
    void addFontSubstitutions()
    {
        QFont::insertSubstitution("Courier New", "Liberation Mono");
        QFont::insertSubstitution("Courier", "Liberation Mono");
        QFont::insertSubstitution("Arial", "Liberation Sans");
        QFont::insertSubstitution("MS Shell Dlg", "Liberation Sans");
        QFont::insertSubstitution("MS Shell Dlg 2", "Liberation Sans");
        QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
        QFont::insertSubstitution("Tahoma", "Liberation Sans");
        QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    }

    // Without a login session (CI, ssh, root shells) there is no XDG_RUNTIME_DIR and Qt warns on
    // every start; give it the private folder it would fall back to, without the warning.
    void ensureRuntimeDirectory()
    {
        if (getenv("XDG_RUNTIME_DIR"))
            return;
        const passwd* user = getpwuid(getuid());
        const std::string dir
            = "/tmp/runtime-" + (user ? std::string(user->pw_name) : std::to_string(getuid()));
        mkdir(dir.c_str(), 0700);
        struct stat info { };
        if (stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid()
            && (info.st_mode & 0777) == 0700)
            setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
}

void ensureApplication()
{
    if (QCoreApplication::instance()) {
        static bool prepared = false;
        if (!prepared) {
            prepared = true;
            addFontSubstitutions();
            installInputFilter();
        }
        return;
    }
    if (!getenv("QT_QPA_PLATFORM") && !getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ensureRuntimeDirectory();
    static int argc = 1;
    static char name[] = "tessilo40";
    static char* argv[] = { name, nullptr };
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    addFontSubstitutions();
    installInputFilter();
}

bool headless() { return g_headless; }

void setHeadless()
{
    g_headless = true;
    // Nothing is shown or painted: the minimal platform needs no screen and reads no font
    // files; text is measured in plain boxes, which only placement inside the windows sees.
    if (!QCoreApplication::instance())
        setenv("QT_QPA_PLATFORM", "minimal", 1);
}
}
