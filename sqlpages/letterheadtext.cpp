#include "sqlpages/letterheadtext.h"

namespace {
const size_t kLetterHeadMax = 16383;
}

std::string letterHeadToProfile(const char* text)
{
    std::string out(text ? text : "");
    if (out.size() > kLetterHeadMax)
        out.resize(kLetterHeadMax);
    for (char& c : out) {
        if (c == '\r')
            c = static_cast<char>(0xFF);
        else if (c == '\n')
            c = static_cast<char>(0xFE);
    }
    return out;
}

std::string letterHeadFromProfile(const char* stored)
{
    std::string out(stored ? stored : "");
    for (char& c : out) {
        if (c == static_cast<char>(0xFF))
            c = '\r';
        else if (c == static_cast<char>(0xFE))
            c = '\n';
    }
    return out;
}
