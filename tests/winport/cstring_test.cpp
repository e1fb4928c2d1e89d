#include <afxstr.h>
#include <gtest/gtest.h>

#include <cstring>

TEST(CString, SlicesClampLikeMfc)
{
    CString s("Rivanta40.mdb");
    EXPECT_STREQ(s.Left(7), "Rivanta");
    EXPECT_STREQ(s.Right(3), "mdb");
    EXPECT_STREQ(s.Mid(7, 2), "40");
    EXPECT_STREQ(s.Mid(10), "mdb");
    EXPECT_STREQ(s.Mid(-5, 3), "Riv");
    EXPECT_STREQ(s.Mid(40), "");
    EXPECT_STREQ(s.Left(99), "Rivanta40.mdb");
    EXPECT_STREQ(s.Right(-1), "");
}

TEST(CString, FindAndReplace)
{
    CString s("DBQ=a;x=a;");
    EXPECT_EQ(s.Find("DBQ="), 0);
    EXPECT_EQ(s.Find(';'), 5);
    EXPECT_EQ(s.Find(';', 6), 9);
    EXPECT_EQ(s.Find("zz"), -1);
    EXPECT_EQ(s.Find('a', 100), -1);
    EXPECT_EQ(s.ReverseFind('a'), 8);
    EXPECT_EQ(s.Replace("a", "\\\\orlamo40"), 2);
    EXPECT_STREQ(s, "DBQ=\\\\orlamo40;x=\\\\orlamo40;");
    EXPECT_EQ(s.Replace("", "x"), 0);
    CString t("aaa");
    EXPECT_EQ(t.Replace("a", "aa"), 3); // replacement text is not scanned again
    EXPECT_STREQ(t, "aaaaaa");
}

TEST(CString, TrimCaseAndCompare)
{
    CString s("  \tWater Year \r\n");
    s.Trim();
    EXPECT_STREQ(s, "Water Year");
    CString u(s);
    u.MakeUpper();
    EXPECT_STREQ(u, "WATER YEAR");
    EXPECT_EQ(u.CompareNoCase("water year"), 0);
    EXPECT_NE(u.Compare("water year"), 0);
    EXPECT_TRUE(CString("a") < CString("b"));
    CString only("   ");
    only.TrimRight();
    EXPECT_TRUE(only.IsEmpty());
    CString x("xxyxx");
    x.Trim('x');
    EXPECT_STREQ(x, "y");
}

TEST(CString, FormatGrowsPastAnyFixedBuffer)
{
    CString s;
    s.Format("[%5.5s] %s (%d)\n", "S1000ABC", "no such table", 1);
    EXPECT_STREQ(s, "[S1000] no such table (1)\n");
    CString big;
    big.Format("%s%s", std::string(5000, 'x').c_str(), "!");
    EXPECT_EQ(big.GetLength(), 5001);
    big.AppendFormat("%d", 42);
    EXPECT_STREQ(big.Right(3), "!42");
}

TEST(CString, BufferAccessAndEmbeddedBytes)
{
    CString s;
    char* p = s.GetBuffer(260);
    strcpy(p, "C:\\orlamo40");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 11);
    p = s.GetBuffer(0);
    p[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "C:");
    CString bytes("\xe9\xff\x80");
    EXPECT_EQ(bytes.GetLength(), 3);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xffu);
    s.ReleaseBuffer(1);
    EXPECT_STREQ(s, "C");
}

TEST(CString, TokenizeInsertDelete)
{
    CString s("a;;b;c");
    int pos = 0;
    EXPECT_STREQ(s.Tokenize(";", pos), "a");
    EXPECT_STREQ(s.Tokenize(";", pos), "b");
    EXPECT_STREQ(s.Tokenize(";", pos), "c");
    EXPECT_STREQ(s.Tokenize(";", pos), "");
    EXPECT_EQ(pos, -1);
    CString t("ac");
    t.Insert(1, 'b');
    t.Insert(99, "d");
    EXPECT_STREQ(t, "abcd");
    t.Delete(1, 2);
    EXPECT_STREQ(t, "ad");
    t.Delete(5);
    EXPECT_STREQ(t, "ad");
    CString n(static_cast<const char*>(nullptr));
    EXPECT_TRUE(n.IsEmpty());
    n += static_cast<const char*>(nullptr);
    EXPECT_TRUE(n.IsEmpty());
}
