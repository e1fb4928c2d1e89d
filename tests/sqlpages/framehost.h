// The fixture of the control frame tests: a SQLite database with four meters, its connect string
// in the profile, a visible host window and a list box of the host to coordinate with.
#pragma once

#include "sqlpages/mfccontrolframe.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class FrameHost : public testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        m_db = TestDb::create("SQLite", &why);
        ASSERT_TRUE(m_db) << why;
        ASSERT_TRUE(m_db->exec("CREATE TABLE m (name VARCHAR(8), qty INTEGER)", &why)) << why;
        ASSERT_TRUE(m_db->exec(
            "INSERT INTO m VALUES ('ash', 1), ('birch', 20), ('cedar', 300), ('dogwood', 4)", &why))
            << why;
        WriteProfileStringA("tessilo40", "ConnectStr", m_db->connectString().c_str());
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 900,
            700, nullptr, nullptr));
        ASSERT_TRUE(
            box.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(700, 10, 880, 200), &host, 7));
    }
    void TearDown() override
    {
        host.DestroyWindow();
        WriteProfileStringA("tessilo40", "ConnectStr", nullptr);
    }

    // Hands the queued messages to their windows.
    static void pump()
    {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }

    std::unique_ptr<TestDb> m_db;
    CWnd host;
    CListBox box;
};
