// The CWnd object that the window being created attaches to (CDialog sets it around the creation
// of its dialog window).
#pragma once

class CWnd;

namespace winport {
void setPendingObject(CWnd* wnd);
}
