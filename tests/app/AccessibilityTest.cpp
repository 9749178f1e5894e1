// The main dialog as the accessibility bridge describes it, in-process and without a bus:
// actions that only post what a click would, the calendar's items replaced by a year step,
// "Previous year" not enabled at 1584, the system menu's items and the About box.
#include <gtest/gtest.h>

#include <string>

#include "app/CBrelvinApp.h"
#include "platform/wnd/CAccessibleBridge.h"
#include "tests/app/AppTestSupport.h"

namespace {

const uint64_t kEnabled = AfxAtspiBit(AFX_ATSPI_STATE_ENABLED);

class AccessibilityTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        DestroyAllWindows();
    }
    static CAccessibleBridge& Bridge() { return *CAccessibleBridge::GetBridge(); }
    static AFX_ATSPI_NODE Node(AFX_ATSPI_ID id)
    {
        AFX_ATSPI_NODE node;
        node.nRole = -1;
        Bridge().Describe(id, &node);
        return node;
    }
    // The first node below id, depth first, with this role and name.
    static AFX_ATSPI_ID Find(AFX_ATSPI_ID id, int nRole, const std::string& strName)
    {
        for (AFX_ATSPI_ID idChild : Node(id).children) {
            const AFX_ATSPI_NODE child = Node(idChild);
            if (child.nRole == nRole && child.strName == strName)
                return idChild;
            const AFX_ATSPI_ID idFound = Find(idChild, nRole, strName);
            if (idFound != AFX_ATSPI_NOBODY)
                return idFound;
        }
        return AFX_ATSPI_NOBODY;
    }
    static std::string Children(AFX_ATSPI_ID id)
    {
        std::string strChildren;
        for (AFX_ATSPI_ID idChild : Node(id).children)
            strChildren += std::to_string(Node(idChild).nRole) + ":" + Node(idChild).strName + ";";
        return strChildren;
    }

    CProbeDlg m_dlg;
};

TEST_F(AccessibilityTest, ActionsPostWhatAClickWouldAndAYearStepReplacesTheCalendarsItems)
{
    const AFX_ATSPI_ID idApp = AFX_ATSPI_APP;
    AFX_ATSPI_ID idYear2000 = AFX_ATSPI_NOBODY, idNext = AFX_ATSPI_NOBODY;
    int nYearAfterAction = 0;
    const INT_PTR nResult = RunModal(
        m_dlg, {[&]() {
                    idYear2000 = Find(idApp, AFX_ATSPI_ROLE_LABEL, "2000");
                    idNext = Find(idApp, AFX_ATSPI_ROLE_PUSH_BUTTON, "Next year");
                    EXPECT_TRUE(Bridge().DoAction(idNext));
                    nYearAfterAction = m_dlg.Calendar()->m_nYear;
                },
                [&]() {
                    EXPECT_EQ(m_dlg.Calendar()->m_nYear, 2001);
                    EXPECT_EQ(Node(idYear2000).nRole, -1) << "the year step replaced the label";
                    EXPECT_NE(Find(idApp, AFX_ATSPI_ROLE_LABEL, "2001"), AFX_ATSPI_NOBODY);
                    EXPECT_FALSE(Bridge().DoAction(idNext)) << "a replaced item does nothing";
                    EXPECT_TRUE(Bridge().DoAction(Find(idApp, AFX_ATSPI_ROLE_TABLE_CELL, "Thursday 15 March 2001")));
                },
                [&]() {
                    const AFX_ATSPI_NODE day = Node(Find(idApp, AFX_ATSPI_ROLE_TABLE_CELL, "Thursday 15 March 2001"));
                    EXPECT_TRUE(day.nStates & AfxAtspiBit(AFX_ATSPI_STATE_SELECTED));
                    ASSERT_NE(m_dlg.Calendar()->m_pSelDay, nullptr);
                    EXPECT_EQ(m_dlg.Calendar()->m_pSelDay->m_nDay, 15);
                    m_dlg.Calendar()->m_nYear = 1585;
                    EXPECT_TRUE(Bridge().DoAction(Find(idApp, AFX_ATSPI_ROLE_PUSH_BUTTON, "Previous year")));
                },
                [&]() {
                    const AFX_ATSPI_ID idPrev = Find(idApp, AFX_ATSPI_ROLE_PUSH_BUTTON, "Previous year");
                    EXPECT_FALSE(Node(idPrev).nStates & kEnabled) << "nothing before 1584";
                    EXPECT_FALSE(Bridge().DoAction(idPrev));
                    EXPECT_TRUE(Bridge().DoAction(Find(idApp, AFX_ATSPI_ROLE_PUSH_BUTTON, "OK")));
                }});
    EXPECT_EQ(nYearAfterAction, 2000) << "the action ran inside the bus's call";
    EXPECT_EQ(nResult, IDOK);
}

TEST_F(AccessibilityTest, TheSystemMenusItemsAndTheAboutBoxItOpens)
{
    theApp.m_pMainWnd = &m_dlg;
    AFX_ATSPI_ID idDialog = AFX_ATSPI_NOBODY;
    std::string strMenu, strAbout;
    uint64_t nAboutStates = 0, nDialogStates = 0;
    RunModal(m_dlg, {[&]() {
                         idDialog = Bridge().IdOf(m_dlg.m_hWnd);
                         AfxSimulateKey(m_dlg.m_hWnd, VK_SPACE, AFX_KEY_ALT);
                     },
                     [&]() {
                         const AFX_ATSPI_ID idMenu = Node(idDialog).children.front();
                         strMenu = Children(idMenu);
                         const AFX_ATSPI_ID idClose = Node(idMenu).children.front();
                         EXPECT_EQ(Bridge().GetFocusId(), idClose) << "the hot item has the focus";
                         EXPECT_TRUE(Node(idClose).nStates & AfxAtspiBit(AFX_ATSPI_STATE_SELECTED));
                         EXPECT_TRUE(Bridge().DoAction(Node(idMenu).children.back()));
                     },
                     [&]() {
                         const AFX_ATSPI_ID idAbout = Node(AFX_ATSPI_APP).children.back();
                         strAbout = Node(idAbout).strName + "|" + Children(idAbout);
                         nAboutStates = Node(idAbout).nStates;
                         nDialogStates = Node(idDialog).nStates;
                         AfxSimulateKey(::GetFocus(), VK_ESCAPE);
                     },
                     [&]() { m_dlg.EndDialog(IDOK); }});
    EXPECT_EQ(strMenu, "35:Close;50:;35:About Brelvin...;");
    EXPECT_EQ(strAbout, "About Brelvin|26:;29:Brelvin Version 1.0;43:OK;88:" BRELVIN_WEB_ADDRESS ";");
    EXPECT_TRUE(nAboutStates & AfxAtspiBit(AFX_ATSPI_STATE_MODAL));
    EXPECT_FALSE(nDialogStates & kEnabled) << "the box holds its owner";
}

}  // namespace
