#include <gtest/gtest.h>

#include "platform/core/AfxPrintable.h"
#include "platform/core/CString.h"
#include "res/resource.h"

namespace {

TEST(StringTableTest, EveryStringLoadsWithItsExactText)
{
    const struct {
        UINT nID;
        const char* pszText;
    } expected[] = {
        {IDS_ABOUTBOX, "&About Brelvin..."}, {1002, "January "}, {1003, "February"}, {1004, "March"},
        {1005, "April"}, {1006, "May"}, {1007, "June"}, {1008, "July"}, {1009, "August"},
        {1010, "September"}, {1011, "October"}, {1012, "November"}, {1013, "December"},
        {1014, "Sun"}, {1015, "Mon"}, {1016, "Tue"}, {1017, "Thr"}, {1018, "We"}, {1019, "Fri"},
        {1020, "Sat"},
    };
    for (const auto& entry : expected) {
        CString str;
        EXPECT_TRUE(str.LoadString(entry.nID)) << entry.nID;
        EXPECT_EQ(str, entry.pszText) << entry.nID;
    }
}

TEST(StringTableTest, NamedIdentifiersMatchTheirWeekdays)
{
    CString wed;
    CString thu;
    wed.LoadString(IDS_WED);
    thu.LoadString(IDS_THU);
    EXPECT_EQ(wed, "We");
    EXPECT_EQ(thu, "Thr");
    EXPECT_EQ(IDS_DECEMBER - IDS_JANUARY, 11);
}

TEST(StringTableTest, JanuaryKeepsItsTrailingBlank)
{
    CString str;
    str.LoadString(IDS_JANUARY);
    EXPECT_EQ(str.GetLength(), 8);
    EXPECT_EQ(str[7], ' ');
}

TEST(StringTableTest, MissingStringLoadsEmptyAndFails)
{
    CString str("before");
    EXPECT_FALSE(str.LoadString(999));
    EXPECT_TRUE(str.IsEmpty());
}

TEST(StringTest, FormatsLikePrintf)
{
    CString str;
    str.Format("%2d", 1);
    EXPECT_EQ(str, " 1");
    str.Format("%2d", 31);
    EXPECT_EQ(str, "31");
    str.Format("%u", 987u);
    EXPECT_EQ(str, "987");
    std::string longText(5000, 'x');
    str.Format("%s!", longText.c_str());
    EXPECT_EQ(str.GetLength(), 5001);
}

TEST(StringTest, CopiesAreIndependent)
{
    CString a("abc");
    CString b = a;
    b += "def";
    EXPECT_EQ(a, "abc");
    EXPECT_EQ(b, "abcdef");
    a = b;
    b.Empty();
    EXPECT_EQ(a, "abcdef");
}

TEST(PrintableTest, ControlsBackslashesAndBytesThatAreNotUtf8AreEscaped)
{
    EXPECT_EQ(AfxPrintable("plain year-2027.png"), "plain year-2027.png");
    EXPECT_EQ(AfxPrintable("a\nb\tc\rd\x1b[31m\x7f"), "a\\nb\\tc\\rd\\x1b[31m\\x7f");
    EXPECT_EQ(AfxPrintable("C:\\x"), "C:\\\\x");
    EXPECT_EQ(AfxPrintable("Jänner \xe2\x82\xac \xf0\x9f\x93\x85"), "Jänner \xe2\x82\xac \xf0\x9f\x93\x85");
    EXPECT_EQ(AfxPrintable("\xff x\xc3"), "\\xff x\\xc3");
    // Overlong, surrogate, cut short, C1 control.
    EXPECT_EQ(AfxPrintable("\xc0\xaf\xed\xa0\x80\xe2\x82!\xc2\x9b"),
              "\\xc0\\xaf\\xed\\xa0\\x80\\xe2\\x82!\\xc2\\x9b");
    EXPECT_EQ(AfxPrintable(nullptr), "");
}

}  // namespace
