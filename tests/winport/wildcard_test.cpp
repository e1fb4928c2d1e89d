#include <winport/wildcard.h>
#include <gtest/gtest.h>

TEST(Wildcard, MatchesNamesAsWindowsDoes)
{
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        { "*.*", "Rivanta40.mdb", true },
        { "*.*", "noext", true },
        { "*.*", ".hidden", true },
        { "*", "a.b.c", true },
        { "*.mdb", "RIVANTA40.MDB", true },
        { "*.mdb", "x.mdb.bak", false },
        { "*.txt", "a.b.txt", true },
        { "*.txt", ".txt", true },
        { "*.", "noext", true },
        { "*.", "a.b", false },
        { "*.", ".", true },
        { "log.*", "log", true },
        { "log.*", "Log.txt", true },
        { "log.*", "logs", false },
        { "?.txt", "a.txt", true },
        { "?.txt", "ab.txt", false },
        { "a??", "a", true },
        { "a??", "abc", true },
        { "a??", "abcd", false },
        { "a?c", "a.c", false },
        { "a?c", "ac", false },
        { "Net*Log.flg", "NetvaneFtpLog.flg", true },
        { "*a*b*", "xxaxxbxx", true },
        { "*a*b*", "xxbxxaxx", false },
        { "exact.TXT", "Exact.txt", true },
        { "exact.txt", "exact.txt2", false },
        { "", "", true },
        { "", "a", false },
    };
    for (const auto& t : cases)
        EXPECT_EQ(winport::matchesWildcard(t.pattern, t.name), t.matches)
            << t.pattern << " vs " << t.name;
    EXPECT_FALSE(winport::matchesWildcard(nullptr, "a"));
    EXPECT_FALSE(winport::matchesWildcard("*", nullptr));
}
