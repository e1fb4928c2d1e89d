#include "controlclasses.h"

#include <commctrl.h>
#include <richedit.h>

namespace winport {
std::vector<WindowClass> builtinClasses()
{
    struct Entry {
        const char* name;
        WNDPROC proc;
        std::unique_ptr<Control> (*makeControl)(Window&, const CREATESTRUCTA&);
    };
    static const Entry table[] = {
        { "Button", controlProc, makeButtonControl },
        { "Static", controlProc, makeStaticControl },
        { "Edit", controlProc, makeEditControl },
        { "ListBox", controlProc, makeListBoxControl },
        { "ComboBox", controlProc, makeComboBoxControl },
        { WC_LISTVIEWA, controlProc, makeListViewControl },
        { WC_TREEVIEWA, controlProc, makeTreeViewControl },
        { "SysTabControl32", controlProc, makeTabControlControl },
        { "SysMonthCal32", controlProc, makeMonthCalendarControl },
        { "msctls_progress32", controlProc, makeProgressControl },
        { RICHEDIT_CLASSA, controlProc, makeRichEditControl },
        { "#32770", DefDlgProc, makeDialogControl },
    };
    std::vector<WindowClass> classes;
    for (const Entry& entry : table) {
        WindowClass c;
        c.name = entry.name;
        c.proc = entry.proc;
        c.makeControl = entry.makeControl;
        classes.push_back(c);
    }
    return classes;
}
}
