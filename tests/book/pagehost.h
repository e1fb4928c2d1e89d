// Fixture of the tests of a book with recording pages: the pages' calls in one list, and pages
// that live until the test ends.
#pragma once

#include "bookhost.h"
#include "recordingpage.h"

#include <memory>
#include <string>
#include <vector>

using Calls = std::vector<std::string>;

class PageHostTest : public BookHostTest {
protected:
    void TearDown() override
    {
        m_pages.clear();
        BookHostTest::TearDown();
    }

    // A page of this book in slot `index`, its calls recorded under `name`.
    RecordingPage& addPage(const char* name, unsigned int index, long createResult = 0)
    {
        m_pages.push_back(std::make_unique<RecordingPage>(
            &bk(), name, index, nullptr, &calls, name, createResult));
        return *m_pages.back();
    }

    // A page made current, with the calls so far cleared.
    RecordingPage& currentPage(const char* name, unsigned int index)
    {
        RecordingPage& page = addPage(name, index);
        bk().bookToPage(static_cast<long>(index));
        calls.clear();
        return page;
    }

    // The calls a page receives when it becomes the current one.
    static Calls entered(const std::string& name)
    {
        return { name + ":Change", name + ":MouseTrack", name + ":MouseTrackSet(window)",
            name + ":ButtonProcess" };
    }

    static Calls join(Calls first, const Calls& second)
    {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }

    Calls calls;

private:
    std::vector<std::unique_ptr<RecordingPage>> m_pages;
};
