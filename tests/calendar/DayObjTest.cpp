#include <gtest/gtest.h>

#include <memory>

#include "CalendarTestUtil.h"
#include "calendar/AFCDayObj.h"

namespace {

TEST(DayObjTest, DefaultCellIsAnEmptyUnselectedFirstOfJanuaryOfYearOne)
{
    AFCDayObj day;
    EXPECT_RECT(day.m_rcCell, 0, 0, 0, 0);
    EXPECT_EQ(day.m_nColorCode, 99);
    EXPECT_TRUE(day.m_strText.IsEmpty());
    EXPECT_TRUE(day.m_strExtra.IsEmpty());
    EXPECT_EQ(day.m_nMonth, 1);
    EXPECT_EQ(day.m_nDay, 1);
    EXPECT_EQ(day.m_nYear, 1);
    EXPECT_FALSE(day.m_bSelected);
    EXPECT_EQ(day.m_nReserved1, 1);
    EXPECT_EQ(day.m_nColumn, 0);
    EXPECT_TRUE(day.m_bOddRow);
    EXPECT_EQ(day.m_nReserved2, 0);
    EXPECT_EQ(day.m_crExtra, 0xFFFFFFu);
}

TEST(DayObjTest, CreatedByClassNameWithTheDefaults)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName("AFCDayObj");
    ASSERT_NE(pClass, nullptr);
    EXPECT_EQ(pClass, RUNTIME_CLASS(AFCDayObj));
    EXPECT_EQ(pClass->m_wSchema, 0u);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CObject));
    std::unique_ptr<CObject> pObject(CRuntimeClass::CreateObject("AFCDayObj"));
    AFCDayObj* pDay = dynamic_cast<AFCDayObj*>(pObject.get());
    ASSERT_NE(pDay, nullptr);
    EXPECT_EQ(pDay->GetRuntimeClass(), pClass);
    EXPECT_EQ(pDay->m_nColorCode, 99);
    EXPECT_TRUE(pDay->IsSerializable());
}

}  // namespace
