// Where the screen's factor comes from, and which values each source may hold.
#include <gtest/gtest.h>

#include "platform/core/AfxScale.h"

namespace {

int Choose(LPCTSTR lpszOwn, LPCTSTR lpszGdk, LPCTSTR lpszDpi, CString* pstrWarning = nullptr)
{
    CString strWarning;
    const int nScale = AfxChooseScale(AFX_SCALE_SOURCES{"BRELVIN_SCALE", lpszOwn, lpszGdk, lpszDpi}, strWarning);
    if (pstrWarning != nullptr) {
        *pstrWarning = strWarning;
    }
    return nScale;
}

TEST(Scale, TheProgramsVariableThenGdkScaleThenXftDpiThenOne)
{
    EXPECT_EQ(Choose("1.5", "3", "192"), 6);
    EXPECT_EQ(Choose(nullptr, "3", "192"), 12);
    EXPECT_EQ(Choose(nullptr, nullptr, "192"), 8);
    EXPECT_EQ(Choose(nullptr, nullptr, nullptr), AFX_SCALE_ONE);
    // Empty is not set; GDK_SCALE, once set, decides as GTK reads it: the whole number it
    // starts with, 0 or none being 1, any size above 4 being 4. Xft.dpi may have blanks around.
    EXPECT_EQ(Choose("", "", "144"), 6);
    EXPECT_EQ(Choose(nullptr, "1.5", "192"), AFX_SCALE_ONE);
    EXPECT_EQ(Choose(nullptr, "2.0", "96"), 8);
    EXPECT_EQ(Choose(nullptr, "0", "192"), AFX_SCALE_ONE);
    EXPECT_EQ(Choose(nullptr, "99999999999999999999", "96"), AFX_SCALE_MAX);
    EXPECT_EQ(Choose(nullptr, nullptr, " 144 "), 6);
    EXPECT_EQ(Choose(nullptr, nullptr, "192\t"), 8);
    // Xft.dpi goes to the nearest quarter, never below 1; GDK_SCALE stops at 4.
    EXPECT_EQ(Choose(nullptr, nullptr, "131.9"), 5);
    EXPECT_EQ(Choose(nullptr, nullptr, "132"), 6);
    EXPECT_EQ(Choose(nullptr, nullptr, "72"), AFX_SCALE_ONE);
    EXPECT_EQ(Choose(nullptr, nullptr, "1000"), AFX_SCALE_MAX);
    EXPECT_EQ(Choose(nullptr, "7", nullptr), AFX_SCALE_MAX);
    EXPECT_EQ(Choose(nullptr, nullptr, "lots"), AFX_SCALE_ONE);
}

TEST(Scale, ARefusedValueOfTheProgramsVariableIsNamedOnOneLineAndPassedOver)
{
    for (LPCTSTR lpsz : {"0.75", "4.25", "1.3", "1,5", "2x", " 2", "+2", "1.", ".5", "99999999999", "2\n"}) {
        CString strWarning;
        EXPECT_EQ(Choose(lpsz, "2", nullptr, &strWarning), 8) << lpsz;
        EXPECT_EQ(strWarning.Find("BRELVIN_SCALE"), 0) << lpsz;
        EXPECT_EQ(strWarning.Find('\n'), -1) << lpsz;
    }
    CString strWarning;
    EXPECT_EQ(Choose("2.1", nullptr, nullptr, &strWarning), AFX_SCALE_ONE);
    EXPECT_EQ(strWarning, "BRELVIN_SCALE '2.1' is not a factor from 1 to 4 in steps of 0.25; ignored");
    for (LPCTSTR lpsz : {"1", "4", "1.25", "1.50", "02.75", "3.0"}) {
        EXPECT_NE(Choose(lpsz, nullptr, nullptr, &strWarning), 0) << lpsz;
        EXPECT_TRUE(strWarning.IsEmpty()) << lpsz;
    }
    EXPECT_EQ(Choose("02.75", nullptr, nullptr), 11);
}

}  // namespace
