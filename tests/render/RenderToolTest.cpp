// brelvin-render run as a real process: the pictures it writes, its refusals and an
// output it cannot write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "tests/core/NonRegularFiles.h"
#include "tests/render/RenderTestSupport.h"
#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class RenderTool : public ::testing::Test {
protected:
    // Runs the tool and expects a picture in name.
    PICTURE Render(const std::vector<std::string>& options, const std::string& name)
    {
        std::vector<std::string> args = options;
        args.push_back(m_folder.Path(name));
        const TOOL_RESULT r = RunTool(m_folder, args);
        EXPECT_EQ(r.nExitCode, 0) << r.strError;
        EXPECT_EQ(r.strError, "");
        return ReadPng(m_folder.Path(name));
    }

    // Pixels that differ, as their bounding box.
    static CRect DiffBox(const PICTURE& a, const PICTURE& b)
    {
        CRect rc;
        for (int y = 0; y < a.cy; ++y) {
            for (int x = 0; x < a.cx; ++x) {
                if (a.At(x, y) != b.At(x, y)) {
                    rc = rc.IsRectEmpty() ? CRect(x, y, x + 1, y + 1)
                                          : CRect(std::min<int>(rc.left, x), std::min<int>(rc.top, y),
                                                  std::max<int>(rc.right, x + 1), std::max<int>(rc.bottom, y + 1));
                }
            }
        }
        return rc;
    }

    TempFolder m_folder;
};

TEST_F(RenderTool, StartUpPictureIsTheWindowsFirstPaint)
{
    const PICTURE pic = Render({}, "start.png");
    ASSERT_EQ(pic.cx, 628);
    ASSERT_EQ(pic.cy, 499);
    CCalendarPicture expected(628, 499);
    const uint32_t* pExpected = expected.GetPixels();
    EXPECT_TRUE(std::equal(pic.pixels.begin(), pic.pixels.end(), pExpected));
    EXPECT_EQ(m_folder.Entries(), (std::set<std::string>{"start.png"}));
}

TEST_F(RenderTool, StartUpAndYearChangedPicturesFollowTheirLayouts)
{
    const PICTURE start = Render({}, "start.png");
    const PICTURE changed = Render({"--year", "2000"}, "changed.png");
    ASSERT_EQ(changed.cx, 628);
    const COLORREF crTitle = GetSysColor(COLOR_ACTIVECAPTION);
    const std::vector<CRect> startBars = TitleBarsFor(CRect(0, 0, 630, 501));
    const std::vector<CRect> changedBars = TitleBarsFor(CRect(0, 0, 628, 499));
    // February's title bar starts one pixel further left after the year change.
    ASSERT_EQ(startBars[1].left, changedBars[1].left + 1);
    const int y = startBars[1].top + 1;
    EXPECT_EQ(start.At(startBars[1].left, y), crTitle);
    EXPECT_EQ(start.At(changedBars[1].left, y), kWhite);
    EXPECT_EQ(changed.At(changedBars[1].left, y), crTitle);
    // December's title bar reaches the client area's last column at start-up only.
    ASSERT_GE(startBars[11].right, 628);
    EXPECT_EQ(start.At(627, startBars[11].top + 1), crTitle);
    EXPECT_EQ(changed.At(627, changedBars[11].top + 1), kWhite);
}

TEST_F(RenderTool, OtherYearShowsItsOwnMonths)
{
    const PICTURE a = Render({"--year", "2000"}, "a.png");
    const PICTURE b = Render({"--year", "2027"}, "b.png");
    // Same layout, other year: the title bars stay, the header and the days change.
    const CRect rcDiff = DiffBox(a, b);
    EXPECT_LT(rcDiff.top, 25);
    EXPECT_GT(rcDiff.bottom, 400);
    for (const CRect& rc : TitleBarsFor(CRect(0, 0, 628, 499))) {
        EXPECT_EQ(b.At(rc.left, rc.top), GetSysColor(COLOR_ACTIVECAPTION));
    }
}

TEST_F(RenderTool, SelectedDayIsHighlightedWhereItsDateFalls)
{
    struct {
        std::vector<std::string> options;
        CRect rcLayout;
        int nYear;
    } const cases[] = {
        {{}, CRect(0, 0, 630, 501), 2000},
        {{"--year", "2027"}, CRect(0, 0, 628, 499), 2027},
    };
    for (const auto& c : cases) {
        const PICTURE plain = Render(c.options, "plain.png");
        std::vector<std::string> options = c.options;
        const std::string strDate = std::to_string(c.nYear) + "-03-15";
        options.insert(options.end(), {"--select", strDate});
        const PICTURE selected = Render(options, "selected.png");

        const CRect rcCell = CellFor(c.rcLayout, c.nYear, 3, 15);
        EXPECT_EQ(DiffBox(plain, selected), rcCell) << strDate;
        EXPECT_EQ(selected.At(rcCell.left, rcCell.top), GetSysColor(COLOR_HIGHLIGHT));
        // Light digits on the dark highlight (their edges are blended).
        int nLight = 0;
        for (int y = rcCell.top; y < rcCell.bottom; ++y) {
            for (int x = rcCell.left; x < rcCell.right; ++x) {
                const COLORREF cr = selected.At(x, y);
                nLight += GetRValue(cr) > 0xC0 && GetGValue(cr) > 0xC0 && GetBValue(cr) > 0xC0 ? 1 : 0;
            }
        }
        EXPECT_GT(nLight, 0) << strDate;
    }
}

TEST_F(RenderTool, SizesFromOnePixelUp)
{
    const PICTURE dot = Render({"--size", "1x1"}, "dot.png");
    EXPECT_EQ(dot.cx, 1);
    EXPECT_EQ(dot.cy, 1);
    const PICTURE big = Render({"--size", "1600x1200", "--year", "2027"}, "big.png");
    EXPECT_EQ(big.cx, 1600);
    EXPECT_EQ(big.cy, 1200);
    EXPECT_EQ(big.At(1599, 0), RGB(0x47, 0x47, 0x47));
}

TEST_F(RenderTool, RefusalsWriteNothingAndExitWithTwo)
{
    const std::vector<std::vector<std::string>> refused = {
        {"--year", "1583", "out.png"},
        {"--year", "soon", "out.png"},
        {"--select", "2000-02-30", "out.png"},
        {"--select", "2001-01-01", "out.png"},                    // another year
        {"--size", "10x10", "--select", "2000-01-01", "out.png"},  // no room for cells
        {"--size", "0x10", "out.png"},
        {"--size", "100000x100000", "out.png"},
        {"--colour", "red", "out.png"},
        {"out.png", "--year"},
        {},
        {"--scale", "2", "out.pdf"},
        {"--paper", "a4", "out.png"},
        {"--paper", "b5", "out.pdf"},
        {"--format", "tiff", "out.png"},
        {"--year", "2027", "-"},
    };
    for (const auto& args : refused) {
        std::vector<std::string> full;
        for (const std::string& s : args) {
            full.push_back(s == "out.png" ? m_folder.Path(s) : s);
        }
        const TOOL_RESULT r = RunTool(m_folder, full);
        const std::string strArgs = testing::PrintToString(args);
        EXPECT_EQ(r.nExitCode, 2) << strArgs;
        ASSERT_FALSE(r.strError.empty()) << strArgs;
        EXPECT_EQ(r.strError.find('\n'), r.strError.size() - 1) << strArgs << r.strError;
        EXPECT_TRUE(m_folder.Entries().empty()) << strArgs;
    }
}

TEST_F(RenderTool, UnwritableOutputExitsWithOneAndLeavesNoFile)
{
    std::filesystem::create_directory(m_folder.Path("taken"));
    for (const std::string& strOut : {m_folder.Path("missing/out.png"), m_folder.Path("taken")}) {
        const TOOL_RESULT r = RunTool(m_folder, {strOut});
        EXPECT_EQ(r.nExitCode, 1) << strOut;
        EXPECT_NE(r.strError.find(strOut), std::string::npos) << r.strError;
        EXPECT_EQ(m_folder.Entries(), (std::set<std::string>{"taken"})) << strOut;
        EXPECT_TRUE(std::filesystem::is_empty(m_folder.Path("taken")));
    }
}

// A PDF that cannot be written whole, to a file or to standard output, is one line on
// standard error, exit code 1, and nothing left behind.
TEST_F(RenderTool, FailedPdfWritesLeaveNothingBehind)
{
    const std::string strMissing = m_folder.Path("missing/year.pdf");
    const TOOL_RESULT missing = RunTool(m_folder, {strMissing});
    EXPECT_EQ(missing.nExitCode, 1);
    EXPECT_NE(missing.strError.find(strMissing), std::string::npos) << missing.strError;

    // Cut off by a file size limit of 8 KiB half way through the document; with SIGXFSZ
    // ignored the write itself fails.
    const std::string strOut = m_folder.Path("year.pdf");
    TempFolder::WriteFile(strOut, "old");
    const std::string strErrFile = m_folder.Path("err");
    const std::string strScript = "trap '' XFSZ; ulimit -f 16; exec \"$0\" --year 2027 \"$1\" 2>\"$2\"";
    const char* const argv[] = {"sh", "-c", strScript.c_str(), BRELVIN_RENDER_PATH, strOut.c_str(),
                                strErrFile.c_str(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawnp(&pid, "sh", nullptr, nullptr, const_cast<char* const*>(argv), environ), 0);
    int nStatus = 0;
    ASSERT_EQ(waitpid(pid, &nStatus, 0), pid);
    EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 1) << nStatus;
    const std::string strError = TempFolder::ReadFile(strErrFile);
    EXPECT_NE(strError.find(strOut + ": File too large"), std::string::npos) << strError;
    EXPECT_EQ(strError.find('\n'), strError.size() - 1) << strError;
    std::remove(strErrFile.c_str());
    EXPECT_EQ(m_folder.Entries(), (std::set<std::string>{"year.pdf"}));
    EXPECT_EQ(TempFolder::ReadFile(strOut), "old");

    const pid_t pidFull = StartTool({"--format", "pdf", "-"}, "/dev/full", strErrFile);
    ASSERT_EQ(waitpid(pidFull, &nStatus, 0), pidFull);
    EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 1) << nStatus;
    EXPECT_EQ(TempFolder::ReadFile(strErrFile),
              "brelvin-render: cannot write to standard output: No space left on device\n");
}

TEST_F(RenderTool, StandardOutputTakesEitherFormat)
{
    for (const char* pszFormat : {"pdf", "png"}) {
        const TOOL_RESULT r = RunTool(m_folder, {"--year", "2027", "--format", pszFormat, "-"});
        EXPECT_EQ(r.nExitCode, 0) << r.strError;
        EXPECT_EQ(r.strOutput.substr(0, 4), std::string(pszFormat) == "pdf" ? "%PDF" : "\x89PNG");
        EXPECT_TRUE(m_folder.Entries().empty());
    }
}

TEST_F(RenderTool, ExistingFileIsReplacedWhole)
{
    TempFolder::WriteFile(m_folder.Path("out.png"), "old content");
    const PICTURE pic = Render({"--size", "40x30"}, "out.png");
    EXPECT_EQ(pic.cx, 40);
    EXPECT_EQ(m_folder.Entries(), (std::set<std::string>{"out.png"}));
}

TEST_F(RenderTool, OutputGoesThroughLinksKeepsPermissionsAndIsNeverADeviceFifoOrSocket)
{
    const std::string target = m_folder.Path("picture.png");
    TempFolder::WriteFile(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_EQ(symlink("picture.png", m_folder.Path("link.png").c_str()), 0);
    const PICTURE pic = Render({"--size", "40x30"}, "link.png");
    EXPECT_EQ(pic.cx, 40);
    EXPECT_TRUE(S_ISLNK(NonRegularFiles::Mode(m_folder.Path("link.png"))));
    EXPECT_EQ(ReadPng(target).cx, 40);
    EXPECT_EQ(NonRegularFiles::Mode(target) & 07777, 0600u);
    EXPECT_EQ(m_folder.Entries(), (std::set<std::string>{"picture.png", "link.png"}));

    NonRegularFiles others(m_folder);
    ASSERT_TRUE(others.IsValid());
    const std::set<std::string> before = m_folder.Entries();
    for (const std::string& name : others.Names()) {
        const mode_t nBefore = NonRegularFiles::Mode(m_folder.Path(name));
        const TOOL_RESULT r = RunTool(m_folder, {m_folder.Path(name)});
        EXPECT_EQ(r.nExitCode, 1) << name;
        EXPECT_NE(r.strError.find(m_folder.Path(name)), std::string::npos) << r.strError;
        EXPECT_EQ(r.strError.find('\n'), r.strError.size() - 1) << r.strError;
        EXPECT_EQ(NonRegularFiles::Mode(m_folder.Path(name)), nBefore) << name;
    }
    EXPECT_EQ(m_folder.Entries(), before);
}

TEST_F(RenderTool, InterruptedWriteLeavesNoTemporaryAndEndsThroughTheSignal)
{
    for (int nSignal : {SIGTERM, SIGINT}) {
        // The largest picture, so that the write lasts long enough to be interrupted.
        const pid_t pid = StartTool({"--size", "8192x8192", m_folder.Path("big.png")});
        ASSERT_NE(pid, 0);
        int nStatus = 0;
        bool bEnded = false;
        while (m_folder.Entries().empty() && !bEnded) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            bEnded = waitpid(pid, &nStatus, WNOHANG) == pid;
        }
        ASSERT_FALSE(bEnded) << "the tool ended before its output file appeared";
        kill(pid, nSignal);
        ASSERT_EQ(waitpid(pid, &nStatus, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(nStatus) && WTERMSIG(nStatus) == nSignal) << nStatus;
        EXPECT_TRUE(m_folder.Entries().empty()) << *m_folder.Entries().begin();
    }
}

TEST_F(RenderTool, OutputNamesUpToTheLongestAllowedAreWritten)
{
    for (size_t nLength : {249u, 252u, 255u}) {
        const std::string name = std::string(nLength - 4, 'y') + ".png";
        const PICTURE pic = Render({"--size", "20x10"}, name);
        EXPECT_EQ(pic.cx, 20) << nLength;
        EXPECT_EQ(m_folder.Entries(), (std::set<std::string>{name}));
        std::remove(m_folder.Path(name).c_str());
    }
}

TEST_F(RenderTool, EchoedArgumentsAreEscapedInOneLineMessages)
{
    const struct {
        std::vector<std::string> args;
        int nExitCode;
        const char* pszEscaped;
    } cases[] = {
        {{"--year", "20\n27", "out.png"}, 2, "20\\n27"},
        {{"--size", "1x\x1b[2J", "out.png"}, 2, "1x\\x1b[2J"},
        {{"--select", "2000-01-0\xff", "out.png"}, 2, "2000-01-0\\xff"},
        {{"--frob\tnicate", "out.png"}, 2, "--frob\\tnicate"},
        {{"out.png", "tw\ro.png"}, 2, "tw\\ro.png"},
        {{m_folder.Path("no\nsuch/\xc2\x9b.png")}, 1, "no\\nsuch/\\xc2\\x9b.png"},
    };
    for (const auto& c : cases) {
        const TOOL_RESULT r = RunTool(m_folder, c.args);
        EXPECT_EQ(r.nExitCode, c.nExitCode) << r.strError;
        EXPECT_NE(r.strError.find(c.pszEscaped), std::string::npos) << r.strError;
        EXPECT_EQ(r.strError.find('\n'), r.strError.size() - 1) << r.strError;
        EXPECT_EQ(r.strError.find_first_of("\r\t\x1b\xff"), std::string::npos) << r.strError;
    }
}

TEST_F(RenderTool, HelpAndVersionPrintToStandardOutputAndRefusalsPointToHelp)
{
    const TOOL_RESULT version = RunTool(m_folder, {"--version"});
    EXPECT_EQ(version.nExitCode, 0);
    EXPECT_EQ(version.strOutput, "brelvin-render " BRELVIN_PROJECT_VERSION "\n");
    EXPECT_EQ(version.strError, "");

    const TOOL_RESULT help = RunTool(m_folder, {"--help"});
    EXPECT_EQ(help.nExitCode, 0);
    EXPECT_EQ(help.strError, "");
    EXPECT_EQ(help.strOutput.rfind("Usage: brelvin-render [OPTION]... OUTPUT\n", 0), 0u) << help.strOutput;
    EXPECT_NE(help.strOutput.find("\n  brelvin-render --year 2027 --format pdf - | lp\n"), std::string::npos);
    for (const char* pszOption : {"--year YEAR", "--select YYYY-MM-DD", "--size WIDTHxHEIGHT", "--format pdf|png",
                                "--scale F", "--paper a4|letter|a3", "--help", "--version"}) {
        EXPECT_NE(help.strOutput.find(std::string("\n  ") + pszOption), std::string::npos) << pszOption;
    }

    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"}, std::vector<std::string>{}}) {
        const TOOL_RESULT r = RunTool(m_folder, args);
        EXPECT_EQ(r.nExitCode, 2);
        EXPECT_EQ(r.strOutput, "");
        const std::string strHint = "; try 'brelvin-render --help'\n";
        ASSERT_GE(r.strError.size(), strHint.size());
        EXPECT_EQ(r.strError.substr(r.strError.size() - strHint.size()), strHint) << r.strError;
    }
    EXPECT_TRUE(m_folder.Entries().empty());
}

}  // namespace
