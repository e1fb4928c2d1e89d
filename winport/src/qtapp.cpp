#include "qtapp.h"
#include "input.h"

#include <QApplication>
#include <QFont>
#include <cstdlib>

namespace winport {
namespace {
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
    static int argc = 1;
    static char name[] = "tessilo40";
    static char* argv[] = { name, nullptr };
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    addFontSubstitutions();
    installInputFilter();
}
}
