// The letterhead's profile form: line ends as the bytes 0xFF and 0xFE, one line in the profile.
// (A two-line letterhead through the settings page is in bookpagesqlset_guitest.)
#include "sqlpages/letterheadtext.h"

#include <gtest/gtest.h>

TEST(LetterHeadText, LoneCarriageReturnsAndLineFeedsEachKeepTheirByte)
{
    const std::string stored = letterHeadToProfile("Rivanta\nNorth\rOffice\n\n");
    EXPECT_EQ(stored, "Rivanta\xFENorth\xFFOffice\xFE\xFE");
    EXPECT_EQ(letterHeadFromProfile(stored.c_str()), "Rivanta\nNorth\rOffice\n\n");
    EXPECT_EQ(letterHeadToProfile(nullptr), "");
}

TEST(LetterHeadText, IsCutAt16383Characters)
{
    EXPECT_EQ(letterHeadToProfile(std::string(20000, 'x').c_str()).size(), 16383u);
}
