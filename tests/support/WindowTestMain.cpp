// The window tests' own main(): opens the (dummy) display through the framework first.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>

#include "tests/support/WindowTestSupport.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (AfxGetApp() == nullptr)
        TestApp();
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    // The tests count pixels at a factor of 1, whatever the desktop's is.
    unsetenv("GDK_SCALE");
    const char* pszError = nullptr;
    if (!AfxWinInit(argc, argv, &pszError)) {
        std::fprintf(stderr, "%s: %s\n", argv[0], pszError);
        return 1;
    }
    int nResult = RUN_ALL_TESTS();
    AfxWinTerm();
    return nResult;
}
