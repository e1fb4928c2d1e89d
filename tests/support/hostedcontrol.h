// The shared fixture of the control tests: a visible top-level host window (Host, a CWnd class
// that may record what its children send it) with one control (Control, an MFC control class).
#pragma once

#include <afxcmn.h>
#include <gtest/gtest.h>

namespace wintest {

template <class Host, class Control> class HostedControl : public ::testing::Test {
protected:
    // Creates the host with the given client size and the control in rect (WS_CHILD and
    // WS_VISIBLE are added to style).
    void createHosted(DWORD style, const RECT& rect, UINT id, int width, int height)
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
            width, height, nullptr, nullptr));
        ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | style, rect, &host, id));
    }
    void TearDown() override { host.DestroyWindow(); }

    Host host;
    Control control;
};

} // namespace wintest
