// brelvin as a screen reader meets it, on an Xvfb server and a private session with the
// accessibility bus, read through pyatspi: the tree at start-up in the windows' places at
// factor 1 and 2, actions that work as clicks, the focus event of a Tab; and without a
// session bus, or with NO_AT_BRIDGE=1, a program that says nothing and leaves nothing.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/core/AfxScale.h"
#include "res/resource.h"
#include "tests/gui/CAccessibilityBus.h"
#include "tests/gui/CGuiProgram.h"
#include "tests/gui/CPngFile.h"
#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

const int kWaitMs = 30000;
// The calendar's client area in the dialog, inside the window's one-pixel border.
const int kCalendarLeft = 12;
const int kCalendarTop = 12;
const char* const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

struct NODE {
    int nDepth = -1;
    std::string strRole, strName, strDescription, strStates;
    XRECT rc = {0, 0, 0, 0};
    std::string strActions, strText, strAddress, strFacts;
};

std::vector<NODE> ParseTree(const std::string& strTree)
{
    std::vector<NODE> nodes;
    std::istringstream lines(strTree);
    std::string strLine;
    while (std::getline(lines, strLine)) {
        std::vector<std::string> fields;
        std::istringstream parts(strLine);
        for (std::string strField; std::getline(parts, strField, '\t');)
            fields.push_back(strField);
        fields.resize(10);
        NODE node;
        node.nDepth = std::stoi(fields[0]);
        node.strRole = fields[1];
        node.strName = fields[2];
        node.strDescription = fields[3];
        node.strStates = fields[4];
        std::sscanf(fields[5].c_str(), "%d,%d,%d,%d", &node.rc.x, &node.rc.y, &node.rc.cx, &node.rc.cy);
        node.strActions = fields[6];
        node.strText = fields[7];
        node.strAddress = fields[8];
        node.strFacts = fields[9];
        nodes.push_back(node);
    }
    return nodes;
}

std::string Describe(const XRECT& rc)
{
    return std::to_string(rc.x) + "," + std::to_string(rc.y) + " " + std::to_string(rc.cx) + "x" + std::to_string(rc.cy);
}

// The true weekday of a date, as the C library counts it.
int Weekday(int nYear, int nMonth, int nDay)
{
    std::tm tm = {};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = 12;
    std::mktime(&tm);
    return tm.tm_wday;
}

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Processes whose environment names the display: the program and whatever it started.
std::vector<std::string> ProcessesOnDisplay(const std::string& strDisplay)
{
    std::vector<std::string> found;
    DIR* pDir = opendir("/proc");
    for (dirent* pEntry = pDir != nullptr ? readdir(pDir) : nullptr; pEntry != nullptr; pEntry = readdir(pDir)) {
        const std::string strPid = pEntry->d_name;
        const std::string strEnv = ReadFile("/proc/" + strPid + "/environ");
        if (strPid.find_first_not_of("0123456789") == std::string::npos &&
            strEnv.find(std::string("DISPLAY=") + strDisplay + '\0') != std::string::npos)
            found.push_back(strPid + " " + ReadFile("/proc/" + strPid + "/comm"));
    }
    if (pDir != nullptr)
        closedir(pDir);
    return found;
}

class AccessibilityGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Configure();
        ASSERT_TRUE(m_bus.Start()) << m_bus.m_strError;
        const std::vector<std::string> env = m_bus.Environment();
        m_gui.m_env.insert(m_gui.m_env.end(), env.begin(), env.end());
        ASSERT_TRUE(m_gui.Start()) << m_gui.m_strError;
    }
    virtual void Configure() {}

    int Device(int v) const { return AfxScaleToDevice(m_nScale, v); }
    // Where a rectangle of the dialog's client area is on the screen.
    XRECT Place(const RECT& rc) const
    {
        const int x = Device(rc.left), y = Device(rc.top);
        return XRECT{m_gui.m_rcWindow.x + x, m_gui.m_rcWindow.y + y, Device(rc.right) - x, Device(rc.bottom) - y};
    }
    XRECT PlaceInCalendar(RECT rc) const
    {
        OffsetRect(&rc, kCalendarLeft, kCalendarTop);
        return Place(rc);
    }
    std::vector<NODE> Tree() { return ParseTree(m_bus.Ask({"tree"})); }
    static const NODE* Find(const std::vector<NODE>& nodes, const std::string& strRole, const std::string& strName)
    {
        for (const NODE& node : nodes) {
            if (node.strRole == strRole && node.strName == strName)
                return &node;
        }
        return nullptr;
    }
    void ExpectWindows(const std::vector<NODE>& nodes);
    void ExpectCalendar(const std::vector<NODE>& nodes);
    void ExpectMonths(const std::vector<NODE>& nodes, CCalendarPicture& picture);
    bool HeardLine(const std::string& strLine)
    {
        return CGuiProgram::WaitUntil([&]() { return m_bus.Heard().find(strLine + "\n") != std::string::npos; },
                                      kWaitMs);
    }
    // The screen's calendar against brelvin-render's picture for these options.
    bool CalendarShows(std::vector<std::string> options);

    CAccessibilityBus m_bus;
    CGuiProgram m_gui;
    int m_nScale = AFX_SCALE_ONE;
    std::string m_strScale = "1";
};

// The application, the dialog and its controls in the order they were made, in their places.
void AccessibilityGuiTest::ExpectWindows(const std::vector<NODE>& nodes)
{
    std::vector<std::string> top;
    for (const NODE& node : nodes) {
        if (node.nDepth <= 2)
            top.push_back(std::to_string(node.nDepth) + " " + node.strRole + " " + node.strName + " [" +
                          node.strStates + "] " + node.strActions);
    }
    const std::string strShown = "enabled,sensitive,showing,visible";
    EXPECT_EQ(top, (std::vector<std::string>{
                       "0 application brelvin [] ", "1 dialog Brelvin [active," + strShown + "] ",
                       "2 push button OK [enabled,focusable,focused,is default,sensitive,showing,visible] click",
                       "2 push button Cancel [enabled,focusable,sensitive,showing,visible] click",
                       "2 link Click here to check if a newer version is available. [" + strShown + "] click",
                       "2 calendar Year calendar [" + strShown + "] "}));
    const NODE* pDialog = Find(nodes, "dialog", "Brelvin");
    const NODE* pLink = Find(nodes, "link", "Click here to check if a newer version is available.");
    ASSERT_TRUE(pDialog != nullptr && pLink != nullptr);
    EXPECT_EQ(Describe(pDialog->rc), Describe(m_gui.m_rcWindow));
    EXPECT_EQ(Describe(Find(nodes, "push button", "OK")->rc), Describe(Place({486, 523, 561, 546})));
    EXPECT_EQ(Describe(Find(nodes, "push button", "Cancel")->rc), Describe(Place({566, 523, 641, 546})));
    EXPECT_EQ(Describe(Find(nodes, "calendar", "Year calendar")->rc), Describe(Place({11, 11, 641, 512})));
    // The link's width is its text's, in the font there is.
    EXPECT_EQ(Describe({pLink->rc.x, pLink->rc.y, 0, 0}), Describe(Place({11, 520, 11, 520})));
    EXPECT_EQ(pLink->strDescription, BRELVIN_WEB_ADDRESS);
    EXPECT_EQ(pLink->strAddress, BRELVIN_WEB_ADDRESS);
    EXPECT_EQ(pLink->strText, pLink->strName);
}

// The header's boxes and year, then each month's table, labels and days as the calendar
// draws them at start-up.
void AccessibilityGuiTest::ExpectCalendar(const std::vector<NODE>& nodes)
{
    CCalendarPicture picture(628, 499);
    const AFCYearObj& year = picture.GetYearObj();
    const NODE* pPrev = Find(nodes, "push button", "Previous year");
    const NODE* pYear = Find(nodes, "label", "2000");
    const NODE* pNext = Find(nodes, "push button", "Next year");
    ASSERT_TRUE(pPrev != nullptr && pYear != nullptr && pNext != nullptr);
    EXPECT_EQ(Describe(pPrev->rc), Describe(PlaceInCalendar(year.m_rcPrevButton)));
    EXPECT_EQ(Describe(pNext->rc), Describe(PlaceInCalendar(year.m_rcNextButton)));
    EXPECT_EQ(Describe(pYear->rc), Describe(PlaceInCalendar({year.m_rcPrevButton.right, 0, year.m_rcNextButton.left, 25})));
    EXPECT_EQ(pPrev->strActions + " " + pNext->strActions + " " + pYear->strText, "click click 2000");
    ExpectMonths(nodes, picture);
}

void AccessibilityGuiTest::ExpectMonths(const std::vector<NODE>& nodes, CCalendarPicture& picture)
{
    size_t nAt = 0;
    auto next = [&](const char* pszRole) -> const NODE& {
        while (nAt < nodes.size() && nodes[nAt].strRole != pszRole)
            ++nAt;
        static const NODE s_none;
        return nAt < nodes.size() ? nodes[nAt++] : s_none;
    };
    POSITION posMonth = picture.GetYearObj().m_MonthList.GetHeadPosition();
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        AFCYueObj* pMonth = picture.GetYearObj().m_MonthList.GetNext(posMonth);
        const int nFirst = Weekday(2000, nMonth, 1);
        const NODE& table = next("table");
        EXPECT_EQ(table.strName, std::string(kMonths[nMonth - 1]) + " 2000");
        EXPECT_EQ(Describe(table.rc), Describe(PlaceInCalendar(pMonth->m_rcBounds)));
        EXPECT_EQ(table.strFacts.substr(0, table.strFacts.find(" at")),
                  "rows=" + std::to_string((nFirst + pMonth->GetDaysInMonth() + 6) / 7) +
                      " cols=7 headers=Sun,Mon,Tue,We,Thr,Fri,Sat");
        for (int nColumn = 0; nColumn < 7; ++nColumn)
            EXPECT_EQ(Describe(next("column header").rc), Describe(PlaceInCalendar(pMonth->GetWeekdayRect(nColumn))));
        POSITION posDay = pMonth->m_DayList.GetHeadPosition();
        for (int nDay = 1; nDay <= pMonth->GetDaysInMonth(); ++nDay) {
            const AFCDayObj* pDay = static_cast<const AFCDayObj*>(pMonth->m_DayList.GetNext(posDay));
            const NODE& cell = next("table cell");
            const int nWeekday = Weekday(2000, nMonth, nDay);
            EXPECT_EQ(cell.strName, std::string(kWeekdays[nWeekday]) + " " + std::to_string(nDay) + " " +
                                        kMonths[nMonth - 1] + " 2000");
            EXPECT_EQ(cell.strStates, "enabled,selectable,sensitive,showing,visible");
            EXPECT_EQ(cell.strFacts.substr(0, cell.strFacts.find(" header")),
                      "at=" + std::to_string((nFirst + nDay - 1) / 7) + "," + std::to_string(nWeekday));
            EXPECT_EQ(Describe(cell.rc), Describe(PlaceInCalendar(pDay->m_rcCell))) << cell.strName;
        }
    }
    EXPECT_EQ(next("table cell").nDepth, -1) << "more days than the year has";
}

bool AccessibilityGuiTest::CalendarShows(std::vector<std::string> options)
{
    const std::string strFile = m_bus.m_strDir + "/picture.png";
    options.insert(options.begin(), BRELVIN_RENDER);
    options.insert(options.end(), {"--scale", m_strScale, strFile});
    CChildProcess render;
    CPngFile png;
    if (!render.Start(options, {}) || render.Wait(kWaitMs) != 0 || !png.Read(strFile))
        return false;
    const int x = Device(kCalendarLeft), y = Device(kCalendarTop);
    return CGuiProgram::WaitUntil(
        [&]() { return m_gui.Grab(x, y, png.m_cx, png.m_cy) == png.m_pixels; }, kWaitMs);
}

TEST_F(AccessibilityGuiTest, TheTreeAtStartUpIsTheDialogItsControlsAndTheCalendarInTheirPlaces)
{
    const std::vector<NODE> nodes = Tree();
    ExpectWindows(nodes);
    ExpectCalendar(nodes);
    EXPECT_EQ(Find(nodes, "tool tip", BRELVIN_WEB_ADDRESS), nullptr);
}

TEST_F(AccessibilityGuiTest, NextYearADayTheLinkAndOkByTheirActionsWorkAsClicksAndAreTold)
{
    ASSERT_TRUE(m_bus.Listen({"object:property-change:accessible-name", "object:state-changed:selected",
                              "object:selection-changed", "object:state-changed:visited"}));
    EXPECT_EQ(m_bus.Ask({"do", "push button", "Next year"}), "done True\n");
    EXPECT_TRUE(HeardLine("object:property-change:accessible-name\tlabel\t2001\t0"));
    EXPECT_NE(Find(Tree(), "label", "2001"), nullptr);
    EXPECT_TRUE(CalendarShows({"--year", "2001"}));

    EXPECT_EQ(m_bus.Ask({"do", "table cell", "Thursday 15 March 2001"}), "done True\n");
    EXPECT_TRUE(HeardLine("object:state-changed:selected\ttable cell\tThursday 15 March 2001\t1"));
    EXPECT_TRUE(HeardLine("object:selection-changed\ttable\tMarch 2001\t0"));
    EXPECT_TRUE(CalendarShows({"--year", "2001", "--select", "2001-03-15"}));
    const std::vector<NODE> nodes = Tree();
    const NODE* pDay = Find(nodes, "table cell", "Thursday 15 March 2001");
    ASSERT_NE(pDay, nullptr);
    EXPECT_NE(pDay->strStates.find("selected"), std::string::npos) << pDay->strStates;

    const std::string strLink = "Click here to check if a newer version is available.";
    EXPECT_EQ(m_bus.Ask({"do", "link", strLink}), "done True\n");
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return m_gui.OpenedAddress() == BRELVIN_WEB_ADDRESS; }, kWaitMs));
    EXPECT_TRUE(HeardLine("object:state-changed:visited\tlink\t" + strLink + "\t1"));

    EXPECT_EQ(m_bus.Ask({"do", "push button", "OK"}), "done True\n");
    EXPECT_EQ(m_gui.m_program.Wait(kWaitMs), 0);
}

TEST_F(AccessibilityGuiTest, TabSendsAFocusEventForCancel)
{
    ASSERT_TRUE(m_bus.Listen({"object:state-changed:focused", "focus:"}));
    EXPECT_TRUE(m_gui.Xdotool({"windowfocus", "--sync", std::to_string(m_gui.m_nWindow), "key", "Tab"}));
    EXPECT_TRUE(HeardLine("object:state-changed:focused\tpush button\tCancel\t1"));
    EXPECT_TRUE(HeardLine("focus:\tpush button\tCancel\t0"));
}

class ScaledAccessibilityGuiTest : public AccessibilityGuiTest {
protected:
    void Configure() override
    {
        m_gui.m_xvfb.m_strScreen = "2048x1536x24";
        m_gui.m_env = {"BRELVIN_SCALE=2"};
        m_nScale = 2 * AFX_SCALE_ONE;
        m_strScale = "2";
    }
};

TEST_F(ScaledAccessibilityGuiTest, AtFactorTwoTheTreeIsInTheWindowsPlacesInDevicePixels)
{
    const std::vector<NODE> nodes = Tree();
    ExpectWindows(nodes);
    ExpectCalendar(nodes);
}

// No accessibility: no session bus at all, a session bus that never answers, or
// NO_AT_BRIDGE=1 beside a bus the program would otherwise connect to (a socket of the
// test's own, which nobody answers).
class QuietGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char szDir[] = "/tmp/brelvin-quiet-XXXXXX";
        ASSERT_NE(mkdtemp(szDir), nullptr);
        m_strDir = szDir;
        m_gui.m_env = {"DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "NO_AT_BRIDGE", "XDG_RUNTIME_DIR=" + m_strDir};
    }
    void TearDown() override
    {
        if (m_nListener >= 0)
            close(m_nListener);
        // Whatever the program put in its runtime folder goes too, also when a test failed.
        std::error_code error;
        std::filesystem::remove_all(m_strDir, error);
    }
    // A bus that nobody answers: a connection to it waits in the backlog.
    bool ListenAt(const std::string& strPath)
    {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, strPath.c_str(), sizeof address.sun_path - 1);
        m_nListener = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        return m_nListener >= 0 && bind(m_nListener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
               listen(m_nListener, 4) == 0;
    }
    // The program is blocked in its wait for input, which it enters only after starting
    // the bus when a window shows.
    bool WaitUntilProgramWaits()
    {
        const std::string strSyscall = "/proc/" + std::to_string(m_gui.m_program.m_pid) + "/syscall";
        return CGuiProgram::WaitUntil([&]() { return ReadFile(strSyscall).rfind("7 ", 0) == 0; }, kWaitMs);
    }
    void ExpectQuietEndLeavingNothing()
    {
        EXPECT_TRUE(m_gui.Xdotool({"windowfocus", "--sync", std::to_string(m_gui.m_nWindow), "key", "Escape"}));
        EXPECT_EQ(m_gui.m_program.Wait(kWaitMs), 0);
        EXPECT_EQ(m_gui.ErrorOutput(), "");
        EXPECT_EQ(ProcessesOnDisplay(m_gui.m_xvfb.m_strDisplay), std::vector<std::string>());
    }

    std::string m_strDir;
    int m_nListener = -1;
    CGuiProgram m_gui;
};

TEST_F(QuietGuiTest, WithoutASessionBusItStartsSaysNothingAndLeavesNoProcessBehind)
{
    ASSERT_TRUE(m_gui.Start()) << m_gui.m_strError;
    ExpectQuietEndLeavingNothing();
}

// A session bus daemon that hangs: the connection is accepted into the backlog and never
// answered. Before, the program waited for it in SDL's start without end.
TEST_F(QuietGuiTest, ASessionBusThatNeverAnswersHoldsBackNeitherTheWindowNorTheEnd)
{
    ASSERT_TRUE(ListenAt(m_strDir + "/bus"));
    ASSERT_TRUE(m_gui.Start()) << m_gui.m_strError;
    ExpectQuietEndLeavingNothing();
}

TEST_F(QuietGuiTest, NoAtBridgeKeepsItOffTheBusItWouldUse)
{
    ASSERT_TRUE(ListenAt(m_strDir + "/a11y-bus"));
    m_gui.m_env.push_back("AT_SPI_BUS_ADDRESS=unix:path=" + m_strDir + "/a11y-bus");
    m_gui.m_env.push_back("NO_AT_BRIDGE=1");
    ASSERT_TRUE(m_gui.Start()) << m_gui.m_strError;
    EXPECT_TRUE(m_gui.Xdotool({"windowfocus", "--sync", std::to_string(m_gui.m_nWindow), "key", "Tab"}));
    ASSERT_TRUE(WaitUntilProgramWaits());
    const int nConnection = accept(m_nListener, nullptr, nullptr);
    EXPECT_EQ(nConnection, -1) << "the program connected to the accessibility bus";
    if (nConnection >= 0)
        close(nConnection);
    ExpectQuietEndLeavingNothing();
}

}  // namespace
