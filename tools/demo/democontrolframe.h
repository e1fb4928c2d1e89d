// The control frame the demo host opens from its Tools menu: a list of the sample database's
// meters in an MfcControlSQL over the main window. "OK" on a row tells the host which meter was
// picked.
#pragma once

#include "sqlpages/mfccontrolframe.h"

#include <functional>

class demoControlFrame : public MfcControlSQL {
public:
    // The frame over `parent`, placed in `placement`; `report` hears what happened.
    demoControlFrame(CWnd* parent, RECT placement, std::function<void(const CString&)> report);

    // Runs the meters query again and shows the frame; FALSE when the frame has no list.
    BOOL demoControlFrameShow();
    // The serial number in the row, trimmed; empty for a row that is not there.
    CString demoControlFrameSerial(long row) const;

    void OnOK() override;

private:
    std::function<void(const CString&)> m_report;
};
