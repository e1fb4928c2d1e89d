// CStatic: static text controls.
#pragma once

#include "cwnd.h"

class WINPORT_API CStatic : public CWnd {
public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
};
