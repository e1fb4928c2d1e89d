// The letterhead's profile form: line ends as the bytes 0xFF and 0xFE, one line in the profile.
#include "sqlpages/letterheadtext.h"

#include <gtest/gtest.h>

TEST(LetterHeadText, LineEndsBecomeMarkerBytesAndBack)
{
    const std::string stored = letterHeadToProfile("Rivanta\r\nNorth\nOffice\r");
    EXPECT_EQ(stored, "Rivanta\xFF\xFENorth\xFEOffice\xFF");
    EXPECT_EQ(letterHeadFromProfile(stored.c_str()), "Rivanta\r\nNorth\nOffice\r");
    EXPECT_EQ(letterHeadToProfile(nullptr), "");
}

TEST(LetterHeadText, IsCutAt16383Characters)
{
    EXPECT_EQ(letterHeadToProfile(std::string(20000, 'x').c_str()).size(), 16383u);
}
