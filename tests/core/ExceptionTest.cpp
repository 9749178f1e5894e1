#include <gtest/gtest.h>

#include <cerrno>

#include "platform/core/CFileException.h"
#include "platform/core/CMemoryException.h"

namespace {

TEST(ExceptionTest, MemoryExceptionIsCaughtByItsOwnTypeAndByTheBase)
{
    CMemoryException* pCaught = nullptr;
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        pCaught = e;
        e->Delete();  // static: Delete must leave it alone
    }
    ASSERT_NE(pCaught, nullptr);
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        EXPECT_EQ(e, pCaught);
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        e->Delete();
    }
}

TEST(ExceptionTest, FileExceptionCarriesCauseErrorAndName)
{
    try {
        AfxThrowFileExceptionFromOsError(ENOENT, "/nowhere/file");
    } catch (CException* e) {
        CFileException* pFileError = dynamic_cast<CFileException*>(e);
        ASSERT_NE(pFileError, nullptr);
        EXPECT_EQ(pFileError->m_cause, CFileException::fileNotFound);
        EXPECT_EQ(pFileError->m_lOsError, ENOENT);
        EXPECT_EQ(pFileError->m_strFileName, "/nowhere/file");
        e->Delete();  // heap-allocated: LeakSanitizer checks that this frees it
    }
}

TEST(ExceptionTest, DefaultFileExceptionHasNoCause)
{
    CFileException error;
    EXPECT_EQ(error.m_cause, CFileException::none);
    EXPECT_EQ(error.m_lOsError, -1);
    EXPECT_TRUE(error.m_strFileName.IsEmpty());
}

}  // namespace
