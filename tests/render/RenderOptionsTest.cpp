// The render tool's command line: what it accepts and what it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/brelvin-render/CRenderOptions.h"

namespace {

struct PARSED {
    BOOL bOk;
    CRenderOptions options;
    CString strError;
};

PARSED Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "brelvin-render");
    PARSED p;
    p.bOk = p.options.Parse(static_cast<int>(args.size()), args.data(), p.strError);
    return p;
}

// Each argument list is refused, with a reason of one line.
void ExpectRefusedInOneLine(const std::vector<std::vector<const char*>>& refused)
{
    for (const auto& args : refused) {
        std::string strArgs;
        for (const char* psz : args) {
            strArgs += std::string(psz) + " ";
        }
        PARSED p = Parse(args);
        EXPECT_FALSE(p.bOk) << strArgs;
        EXPECT_FALSE(p.strError.IsEmpty()) << strArgs;
        EXPECT_EQ(p.strError.Find('\n'), -1) << strArgs;
    }
}

TEST(RenderOptions, DefaultsAreTheRunningProgramsCalendar)
{
    PARSED p = Parse({"out.png"});
    ASSERT_TRUE(p.bOk) << p.strError;
    EXPECT_FALSE(p.options.m_bYear);
    EXPECT_FALSE(p.options.m_bSelect);
    EXPECT_EQ(p.options.m_nWidth, 628);
    EXPECT_EQ(p.options.m_nHeight, 499);
    EXPECT_EQ(p.options.m_nScale, AFX_SCALE_ONE);
    EXPECT_EQ(p.options.m_strOutput, "out.png");
}

TEST(RenderOptions, EveryOptionInAnyOrder)
{
    PARSED p = Parse({"--size", "1600x1200", "year.png", "--select", "2027-03-05", "--year", "2027"});
    ASSERT_TRUE(p.bOk) << p.strError;
    EXPECT_TRUE(p.options.m_bYear);
    EXPECT_EQ(p.options.m_nYear, 2027);
    EXPECT_TRUE(p.options.m_bSelect);
    EXPECT_EQ(p.options.m_nSelYear, 2027);
    EXPECT_EQ(p.options.m_nSelMonth, 3);
    EXPECT_EQ(p.options.m_nSelDay, 5);
    EXPECT_EQ(p.options.m_nWidth, 1600);
    EXPECT_EQ(p.options.m_nHeight, 1200);
    EXPECT_EQ(p.options.m_strOutput, "year.png");
}

TEST(RenderOptions, LimitsThatAreStillAccepted)
{
    EXPECT_TRUE(Parse({"--year", "1584", "a.png"}).bOk);
    EXPECT_TRUE(Parse({"--year", "999999", "a.png"}).bOk);
    EXPECT_TRUE(Parse({"--size", "1x1", "a.png"}).bOk);
    EXPECT_TRUE(Parse({"--size", "8192x8192", "a.png"}).bOk);
    EXPECT_TRUE(Parse({"--select", "2000-02-29", "a.png"}).bOk);
    EXPECT_TRUE(Parse({"--select", "1900-2-28", "a.png"}).bOk);
    EXPECT_EQ(Parse({"--scale", "1", "a.png"}).options.m_nScale, 4);
    EXPECT_EQ(Parse({"--scale", "1.25", "a.png"}).options.m_nScale, 5);
    EXPECT_EQ(Parse({"--scale", "02.50", "a.png"}).options.m_nScale, 10);
    EXPECT_EQ(Parse({"--scale", "4", "a.png"}).options.m_nScale, 16);
    EXPECT_TRUE(Parse({"--size", "4096x4096", "--scale", "2", "a.png"}).bOk);
}

TEST(RenderOptions, RefusalsComeWithAOneLineReason)
{
    const std::vector<std::vector<const char*>> refused = {
        {},
        {"--year", "1583", "a.png"},
        {"--year", "1000000", "a.png"},
        {"--year", "-2000", "a.png"},
        {"--year", "20x0", "a.png"},
        {"--year", "99999999999999", "a.png"},
        {"a.png", "--year"},
        {"--select", "2000-02-30", "a.png"},
        {"--select", "1900-02-29", "a.png"},
        {"--select", "2000-13-01", "a.png"},
        {"--select", "2000-00-10", "a.png"},
        {"--select", "2000-01-00", "a.png"},
        {"--select", "2000/01/01", "a.png"},
        {"--select", "2000-01-01x", "a.png"},
        {"--size", "0x10", "a.png"},
        {"--size", "10x0", "a.png"},
        {"--size", "8193x10", "a.png"},
        {"--scale", "0.75", "a.png"},
        {"--scale", "4.25", "a.png"},
        {"--scale", "1.3", "a.png"},
        {"--scale", "1,5", "a.png"},
        {"--scale", "2x", "a.png"},
        {"--size", "4097x10", "--scale", "2", "a.png"},
        {"--size", "10x8193", "a.png"},
        {"--size", "10", "a.png"},
        {"--size", "10X10", "a.png"},
        {"--size", "-10x10", "a.png"},
        {"--frobnicate", "a.png"},
        {"--year=2027", "a.png"},
        {"-", "a.png"},
        {"a.png", "b.png"},
    };
    ExpectRefusedInOneLine(refused);
}

TEST(RenderOptions, EmptyArgumentsAreRefusedAndLeadingZerosAccepted)
{
    const std::vector<std::vector<const char*>> refused = {
        {"", "a.png"}, {"a.png", ""}, {"--year", "", "a.png"}, {"--size", "", "a.png"}, {"--select", "", "a.png"},
        {"--year", "00001583", "a.png"}, {"--year", "0001000000", "a.png"}, {"--size", "008193x1", "a.png"},
    };
    ExpectRefusedInOneLine(refused);
    PARSED p = Parse({"--year", "0000002000", "--size", "00000000000640x0480", "--select", "0002000-003-0009",
                      "a.png"});
    ASSERT_TRUE(p.bOk) << p.strError;
    EXPECT_EQ(p.options.m_nYear, 2000);
    EXPECT_EQ(p.options.m_nWidth, 640);
    EXPECT_EQ(p.options.m_nHeight, 480);
    EXPECT_EQ(p.options.m_nSelYear, 2000);
    EXPECT_EQ(p.options.m_nSelMonth, 3);
    EXPECT_EQ(p.options.m_nSelDay, 9);
    EXPECT_TRUE(Parse({"--year", "0000999999", "a.png"}).bOk);
}

TEST(RenderOptions, FormatFollowsTheNameOrTheOptionAndEachRefusesTheOthersOption)
{
    for (const char* pszName : {"a.pdf", "A.PDF", "year.Pdf"}) {
        EXPECT_TRUE(Parse({pszName}).options.m_bPdf) << pszName;
    }
    for (const char* pszName : {"a.png", "pdf", "a.pdf.png", ".pd"}) {
        EXPECT_FALSE(Parse({pszName}).options.m_bPdf) << pszName;
    }
    EXPECT_TRUE(Parse({"--format", "pdf", "year"}).options.m_bPdf);
    EXPECT_FALSE(Parse({"--format", "PNG", "year.pdf"}).options.m_bPdf);
    PARSED p = Parse({"--format", "pdf", "--paper", "letter", "--size", "8192x8192", "-"});
    ASSERT_TRUE(p.bOk) << p.strError;
    EXPECT_EQ(p.options.m_strOutput, "-");
    EXPECT_EQ(p.options.m_nPaper, CPdfWriter::paperLetter);
    EXPECT_EQ(Parse({"a.pdf"}).options.m_nPaper, CPdfWriter::paperA4);
    EXPECT_EQ(Parse({"--paper", "A3", "a.pdf"}).options.m_nPaper, CPdfWriter::paperA3);

    const std::vector<std::vector<const char*>> refused = {
        {"-"},
        {"--format", "gif", "a.png"},
        {"--format", "", "-"},
        {"--paper", "a5", "a.pdf"},
        {"--paper", "", "a.pdf"},
        {"--scale", "2", "a.pdf"},
        {"--format", "pdf", "--scale", "1", "-"},
        {"--paper", "a4", "a.png"},
        {"--paper", "a4", "--format", "png", "a.pdf"},
    };
    ExpectRefusedInOneLine(refused);
}

}  // namespace
