// CProgressCtrl: the progress bar's messages.
#pragma once

#include "commctrl.h"
#include "cwnd.h"

class WINPORT_API CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetRange(short low, short high);
    void SetRange32(int low, int high);
    void GetRange(int& low, int& high) const;
    int GetPos() const;
    int SetPos(int pos);
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();
};
