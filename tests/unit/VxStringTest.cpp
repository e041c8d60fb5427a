#include "framework/VxString.h"

#include <gtest/gtest.h>

TEST(VxString, FormatAcceptsThe64BitPrefix)
{
    EXPECT_EQ("-9000000000 18446744073709551615 FFFFFFFFFF",
              VxFormat("%I64d %I64u %I64X", -9000000000LL, 18446744073709551615ULL, 0xFFFFFFFFFFULL));
    EXPECT_EQ("100% 0042", VxFormat("%d%% %04I64d", 100, 42LL));
    CString s;
    s.Format("%s=%d", "a", 1);
    s.AppendFormat(",%I64u", 5ULL);
    EXPECT_EQ(CString("a=1,5"), s);
}

TEST(VxString, LongResultsAreComplete)
{
    const std::string big(3000, 'q');
    EXPECT_EQ(big + "!", VxFormat("%s!", big.c_str()));
}

TEST(VxString, BoundedFormattingAndCopy)
{
    char buf[8];
    EXPECT_EQ(7, VxFormatBuf(buf, sizeof buf, "%s", "0123456789"));
    EXPECT_STREQ("0123456", buf);
    VxCopyText(buf, sizeof buf, "abc");
    EXPECT_STREQ("abc", buf);
    VxCopyText(buf, 4, "abcdef");
    EXPECT_STREQ("abc", buf);
    VxCopyText(buf, sizeof buf, nullptr);
    EXPECT_STREQ("", buf);
}

TEST(VxString, Editing)
{
    CString s("A&B&C");
    EXPECT_EQ(2, s.Replace("&", "&&&"));
    EXPECT_EQ(CString("A&&&B&&&C"), s);
    EXPECT_EQ(CString("A&&"), s.Left(3));
    EXPECT_EQ(CString("&C"), s.Right(2));
    EXPECT_EQ(CString("B&&&"), s.Mid(4, 4));
    EXPECT_EQ(CString(""), s.Mid(50));
    EXPECT_EQ(4, s.Find("B"));
    EXPECT_EQ(-1, s.Find("Z"));
    EXPECT_EQ(7, s.ReverseFind('&'));
    EXPECT_EQ(0, CString("Ombrel").CompareNoCase("OMBREL"));
    CString t("  x y \t");
    EXPECT_EQ(CString("x y"), t.Trim());
    EXPECT_EQ(CString("ABC"), CString("aBc").MakeUpper());
}

TEST(VxString, LeadingDigitsNumberRule)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"42", 42},          {"  -7", -7},     {"+5x", 5},          {"abc", 0},
                 {"", 0},             {nullptr, 0},     {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.value, VxAtoi(c.text)) << (c.text ? c.text : "(null)");
}
