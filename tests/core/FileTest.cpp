#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempFolder.h"
#include "platform/core/CFile.h"

namespace {

class FileTest : public ::testing::Test {
protected:
    TempFolder m_folder;
};

TEST_F(FileTest, WrittenBytesReadBackWithLengthAndPosition)
{
    std::string path = m_folder.Path("data.bin");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
        file.Write("hello, world", 12);
        EXPECT_EQ(file.GetLength(), 12u);
        EXPECT_EQ(file.GetPosition(), 12u);
        file.SeekToBegin();
        char buffer[32] = {};
        EXPECT_EQ(file.Read(buffer, sizeof(buffer)), 12u);  // short read at the end only
        EXPECT_STREQ(buffer, "hello, world");
        EXPECT_EQ(file.Seek(-5, CFile::end), 7u);
        EXPECT_EQ(file.Read(buffer, 5), 5u);
        EXPECT_EQ(std::string(buffer, 5), "world");
        file.Close();
    }
    EXPECT_EQ(TempFolder::ReadFile(path), "hello, world");
}

TEST_F(FileTest, CreateTruncatesUnlessAskedNotTo)
{
    std::string path = m_folder.Path("old.txt");
    TempFolder::WriteFile(path, "old content");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::modeNoTruncate));
        EXPECT_EQ(file.GetLength(), 11u);
    }
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
        EXPECT_EQ(file.GetLength(), 0u);
    }
}

TEST_F(FileTest, MissingFileReportsCauseErrorAndName)
{
    std::string path = m_folder.Path("missing.txt");
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ENOENT);
    EXPECT_EQ(error.m_strFileName, path.c_str());
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
}

TEST_F(FileTest, FolderCannotBeOpenedAsAFile)
{
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(m_folder.Path("").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
}

TEST_F(FileTest, ReadOnlyFileRefusesWritingButAllowsReading)
{
    std::string path = m_folder.Path("readonly.txt");
    TempFolder::WriteFile(path, "keep me");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_EQ(TempFolder::ReadFile(path), "keep me");
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeRead));
}

TEST_F(FileTest, ShareModesConflictThroughTheLock)
{
    std::string path = m_folder.Path("shared.txt");
    TempFolder::WriteFile(path, "shared");
    CFile reader1;
    CFile reader2;
    ASSERT_TRUE(reader1.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_TRUE(reader2.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));

    CFileException error;
    CFile writer;
    EXPECT_FALSE(writer.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(TempFolder::ReadFile(path), "shared");  // a refused create does not truncate

    reader1.Close();
    reader2.Close();
    EXPECT_TRUE(writer.Open(path.c_str(), CFile::modeReadWrite | CFile::shareExclusive));
    CFile late;
    EXPECT_FALSE(late.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_TRUE(late.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
}

TEST_F(FileTest, FailuresAfterOpeningThrowFileExceptions)
{
    CFile file;
    char buffer[4];
    try {
        file.Read(buffer, sizeof(buffer));
        ADD_FAILURE() << "reading a closed file did not throw";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::invalidFile);
        e->Delete();
    }
    try {
        CFile missing(m_folder.Path("missing").c_str(), CFile::modeRead);
        ADD_FAILURE() << "opening constructor did not throw";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
}

TEST_F(FileTest, AbortClosesQuietlyAndTwice)
{
    CFile file;
    ASSERT_TRUE(file.Open(m_folder.Path("a").c_str(), CFile::modeCreate | CFile::modeWrite));
    int hFile = file.m_hFile;
    file.Abort();
    file.Abort();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    EXPECT_EQ(fcntl(hFile, F_GETFD), -1);  // the descriptor is really closed
    file.Close();  // nothing open: no exception
}

}  // namespace
