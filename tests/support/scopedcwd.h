// Test helpers for the process's current directory and temporary native folders.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// Restores the process's current directory when the test ends.
class ScopedCwd {
public:
    ScopedCwd()
        : m_saved(std::filesystem::current_path())
    {
    }
    ~ScopedCwd()
    {
        std::error_code ec;
        std::filesystem::current_path(m_saved, ec);
    }
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

private:
    std::filesystem::path m_saved;
};

// A fresh native folder outside RIVANTA_ROOT, removed with its contents when the test ends.
class ScopedTempDir {
public:
    ScopedTempDir()
    {
        char tmpl[] = "/tmp/tessilo-dir-XXXXXX";
        if (mkdtemp(tmpl))
            m_path = tmpl;
        EXPECT_FALSE(m_path.empty()) << "mkdtemp failed";
    }
    ~ScopedTempDir()
    {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
