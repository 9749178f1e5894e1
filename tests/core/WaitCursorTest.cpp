#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/core/CWaitCursor.h"

namespace {

std::vector<std::pair<int, int>> g_calls;

void RecordWaitCursor(int nCode, int nWaitCount) { g_calls.emplace_back(nCode, nWaitCount); }

class WaitCursorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        m_pfnOld = AfxSetWaitCursorProc(RecordWaitCursor);
    }
    void TearDown() override { AfxSetWaitCursorProc(m_pfnOld); }

    AFX_WAIT_CURSOR_PROC m_pfnOld = nullptr;
};

TEST_F(WaitCursorTest, WaitsNestAndTheShowerSeesEveryChange)
{
    int nBefore = AfxGetWaitCursorCount();
    {
        CWaitCursor outer;
        {
            CWaitCursor inner;
            EXPECT_EQ(AfxGetWaitCursorCount(), nBefore + 2);
        }
        EXPECT_EQ(AfxGetWaitCursorCount(), nBefore + 1);
    }
    EXPECT_EQ(AfxGetWaitCursorCount(), nBefore);
    std::vector<std::pair<int, int>> expected = {
        {1, nBefore + 1}, {1, nBefore + 2}, {-1, nBefore + 1}, {-1, nBefore}};
    EXPECT_EQ(g_calls, expected);
}

TEST_F(WaitCursorTest, UnbalancedEndNeverGoesBelowZero)
{
    while (AfxGetWaitCursorCount() > 0) {
        AfxDoWaitCursor(-1);
    }
    AfxDoWaitCursor(-1);
    EXPECT_EQ(AfxGetWaitCursorCount(), 0);
    AfxDoWaitCursor(1);
    EXPECT_EQ(AfxGetWaitCursorCount(), 1);
    AfxDoWaitCursor(-1);
}

TEST_F(WaitCursorTest, UninstalledShowerIsNotCalled)
{
    AfxSetWaitCursorProc(nullptr);
    {
        CWaitCursor wait;
    }
    EXPECT_TRUE(g_calls.empty());
}

}  // namespace
