#include <gtest/gtest.h>

#include "platform/shell/AfxCommandLine.h"

namespace {

typedef std::vector<std::string> Args;

TEST(CommandLineSplit, BlanksSeparateAndQuotesGroup)
{
    EXPECT_EQ(AfxSplitCommandLine("prog a b"), (Args{"prog", "a", "b"}));
    EXPECT_EQ(AfxSplitCommandLine("  prog \t a   b  "), (Args{"prog", "a", "b"}));
    EXPECT_EQ(AfxSplitCommandLine("prog \"a b\" c"), (Args{"prog", "a b", "c"}));
    EXPECT_EQ(AfxSplitCommandLine("prog x\"a b\"y"), (Args{"prog", "xa by"}));
    EXPECT_EQ(AfxSplitCommandLine("prog \"\" end"), (Args{"prog", "", "end"}));
    EXPECT_EQ(AfxSplitCommandLine("prog \"open ended"), (Args{"prog", "open ended"}));
}

TEST(CommandLineSplit, EmptyLinesHaveNoArguments)
{
    EXPECT_TRUE(AfxSplitCommandLine(nullptr).empty());
    EXPECT_TRUE(AfxSplitCommandLine("").empty());
    EXPECT_TRUE(AfxSplitCommandLine(" \t ").empty());
}

TEST(CommandLineSplit, ProgramNameKeepsBackslashes)
{
    EXPECT_EQ(AfxSplitCommandLine("\"C:\\Program Files\\web\\\" -x"), (Args{"C:\\Program Files\\web\\", "-x"}));
    EXPECT_EQ(AfxSplitCommandLine("\"/opt/My Browser/run\" --new"), (Args{"/opt/My Browser/run", "--new"}));
}

TEST(CommandLineSplit, BackslashesCountOnlyBeforeAQuote)
{
    EXPECT_EQ(AfxSplitCommandLine("p a\\b c\\\\d"), (Args{"p", "a\\b", "c\\\\d"}));
    EXPECT_EQ(AfxSplitCommandLine("p a\\\"b"), (Args{"p", "a\"b"}));
    EXPECT_EQ(AfxSplitCommandLine("p a\\\\\\\"b"), (Args{"p", "a\\\"b"}));
    EXPECT_EQ(AfxSplitCommandLine("p \"a\\\\\" b"), (Args{"p", "a\\", "b"}));
    EXPECT_EQ(AfxSplitCommandLine("p \"a\"\"b\""), (Args{"p", "a\"b"}));
}

TEST(CommandLineSplit, AppendedAddressWithBlanksIsSeveralArguments)
{
    EXPECT_EQ(AfxSplitCommandLine("/usr/bin/web -osint  http://example.org/a b"),
              (Args{"/usr/bin/web", "-osint", "http://example.org/a", "b"}));
}

TEST(CommandLineJoin, SplitGivesTheArgumentsBack)
{
    const Args cases[] = {
        {"prog"},
        {"/opt/My App/run", "plain", "with blank", ""},
        {"p", "quote\"inside", "trailing\\", "slash\\ and blank\\", "\\\"", "tab\there"},
        {"p", "%1", "$HOME;`id`", "a\\\\b"},
    };
    for (const Args& args : cases) {
        std::string strLine = AfxJoinCommandLine(args);
        EXPECT_EQ(AfxSplitCommandLine(strLine.c_str()), args) << strLine;
    }
}

TEST(CommandLineJoin, QuotesOnlyWhereNeeded)
{
    EXPECT_EQ(AfxQuoteArgument("plain"), "plain");
    EXPECT_EQ(AfxQuoteArgument("%1"), "%1");
    EXPECT_EQ(AfxQuoteArgument(""), "\"\"");
    EXPECT_EQ(AfxJoinCommandLine({"/opt/My App/run", "-x", "%1"}), "\"/opt/My App/run\" -x %1");
}

}  // namespace
