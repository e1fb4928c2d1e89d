// The built-in window classes: one table (controlclasses.cpp) of class names, class procedures
// and the makers of their controls, which the window manager's class list starts with.
#pragma once

#include "qt/windows/window.h"

#include <memory>
#include <vector>

namespace winport {
std::unique_ptr<Control> makeButtonControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeStaticControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeEditControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeListBoxControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeComboBoxControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeListViewControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeTreeViewControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeTabControlControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeMonthCalendarControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeProgressControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeRichEditControl(Window& window, const CREATESTRUCTA& cs);
std::unique_ptr<Control> makeDialogControl(Window& window, const CREATESTRUCTA& cs);

// Every built-in class, in the table's order.
std::vector<WindowClass> builtinClasses();
}
