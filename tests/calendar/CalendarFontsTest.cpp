#include <gtest/gtest.h>

#include <cstring>

#include "calendar/CalendarFonts.h"

namespace {

TEST(CalendarFontsTest, TitleFontIsHeavierAndATenthTaller)
{
    struct {
        LONG lHeight;
        LONG lTitleHeight;
    } const cases[] = {{-11, -12}, {-8, -8}, {-20, -22}, {0, 0}, {13, 14}, {-9, -9}, {-10, -11}};
    for (const auto& c : cases) {
        LOGFONT lf;
        std::memset(&lf, 0, sizeof(lf));
        lf.lfHeight = c.lHeight;
        lf.lfWeight = 400;
        lf.lfItalic = 1;
        lf.lfCharSet = 2;
        std::strcpy(lf.lfFaceName, "Some Face");
        AfcMakeTitleFont(lf);
        EXPECT_EQ(lf.lfHeight, c.lTitleHeight) << c.lHeight;
        EXPECT_EQ(lf.lfWeight, 600);
        // Everything else stays as the stock font has it.
        EXPECT_EQ(lf.lfItalic, 1);
        EXPECT_EQ(lf.lfCharSet, 2);
        EXPECT_STREQ(lf.lfFaceName, "Some Face");
    }
}

TEST(CalendarFontsTest, StockFontAndItsDescription)
{
    HGDIOBJ hStock = AfcStockGuiFont();
    ASSERT_NE(hStock, nullptr);
    EXPECT_EQ(hStock, GetStockObject(DEFAULT_GUI_FONT));
    LOGFONT lfExpected;
    std::memset(&lfExpected, 0, sizeof(lfExpected));
    GetObject(hStock, sizeof(lfExpected), &lfExpected);
    LOGFONT lf = AfcReadLogFont(hStock);
    EXPECT_EQ(std::memcmp(&lf, &lfExpected, sizeof(LOGFONT)), 0);

    LOGFONT lfNone = AfcReadLogFont(nullptr);
    LOGFONT lfZero;
    std::memset(&lfZero, 0, sizeof(lfZero));
    EXPECT_EQ(std::memcmp(&lfNone, &lfZero, sizeof(LOGFONT)), 0);
}

}  // namespace
