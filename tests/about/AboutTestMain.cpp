// The tests' own main(): opens the (dummy) display through the framework first.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/hyperlink/LinkTestSupport.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TestApp();
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    const char* pszError = nullptr;
    if (!AfxWinInit(argc, argv, &pszError)) {
        std::fprintf(stderr, "test_about: %s\n", pszError);
        return 1;
    }
    int nResult = RUN_ALL_TESTS();
    AfxWinTerm();
    return nResult;
}
