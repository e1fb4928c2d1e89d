// Windows name matching: the pattern's "*", "?" and "." take their DOS meanings where Win32 gives
// them (a "*" before a dot stops at the name's last dot, a "." before a wildcard or at the end may
// also match the end of the name, "?" matches nothing before a dot or at the end).
#include "winport/wildcard.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum Token : char { Star = 1, DosStar, DosQuestion, DosDot };

std::string translate(const char* pattern)
{
    if (strcmp(pattern, "*.*") == 0)
        return std::string(1, Star);
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        const char next = p[1];
        if (*p == '*')
            out.push_back(next == '.' ? DosStar : Star);
        else if (*p == '?')
            out.push_back(DosQuestion);
        else if (*p == '.' && (next == '?' || next == '*' || next == '\0'))
            out.push_back(DosDot);
        else
            out.push_back(*p);
    }
    return out;
}

bool sameLetter(char a, char b)
{
    return std::toupper(static_cast<unsigned char>(a))
        == std::toupper(static_cast<unsigned char>(b));
}

} // namespace

bool winport::matchesWildcard(const char* pattern, const char* name)
{
    if (!pattern || !name)
        return false;
    const std::string expr = translate(pattern);
    const size_t n = strlen(name);
    const char* lastDot = strrchr(name, '.');
    const size_t finalDot = lastDot ? static_cast<size_t>(lastDot - name) : n + 1;

    // can[j]: the expression read so far can have consumed exactly j characters of the name.
    std::vector<char> can(n + 1, 0), next(n + 1);
    can[0] = 1;
    for (char token : expr) {
        std::fill(next.begin(), next.end(), 0);
        for (size_t j = 0; j <= n; ++j) {
            if (!can[j])
                continue;
            switch (token) {
            case Star:
                for (size_t k = j; k <= n; ++k)
                    next[k] = 1;
                break;
            case DosStar:
                // Any run that does not swallow the name's last dot.
                for (size_t k = j; k <= n; ++k) {
                    next[k] = 1;
                    if (k == finalDot)
                        break;
                }
                break;
            case DosQuestion:
                if (j == n || name[j] == '.')
                    next[j] = 1;
                else
                    next[j + 1] = 1;
                break;
            case DosDot:
                if (j == n)
                    next[j] = 1;
                else if (name[j] == '.')
                    next[j + 1] = 1;
                break;
            default:
                if (j < n && sameLetter(name[j], token))
                    next[j + 1] = 1;
                break;
            }
        }
        can.swap(next);
    }
    return can[n] != 0;
}
