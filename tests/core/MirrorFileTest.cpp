#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempFolder.h"
#include "platform/core/CMirrorFile.h"

namespace {

const UINT kSaveFlags = CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive;

class MirrorFileTest : public ::testing::Test {
protected:
    std::set<std::string> Only(const std::string& name) { return {name}; }

    TempFolder m_folder;
};

TEST_F(MirrorFileTest, NewFileAppearsOnlyOnClose)
{
    std::string path = m_folder.Path("new.txt");
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
    file.Write("fresh", 5);
    EXPECT_EQ(m_folder.Entries().count("new.txt"), 0u);
    file.Close();
    EXPECT_EQ(m_folder.Entries(), Only("new.txt"));
    EXPECT_EQ(TempFolder::ReadFile(path), "fresh");
}

TEST_F(MirrorFileTest, CloseReplacesTheTargetWhole)
{
    std::string path = m_folder.Path("doc.txt");
    TempFolder::WriteFile(path, "the old content, longer than the new");
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
    EXPECT_EQ(file.GetLength(), 0u);
    file.Write("new", 3);
    EXPECT_EQ(TempFolder::ReadFile(path), "the old content, longer than the new");
    file.Close();
    EXPECT_EQ(TempFolder::ReadFile(path), "new");
    EXPECT_EQ(m_folder.Entries(), Only("doc.txt"));
}

TEST_F(MirrorFileTest, AbortAndDestructionKeepTheOldTargetAndLeaveNoTemporaryFile)
{
    std::string path = m_folder.Path("doc.txt");
    TempFolder::WriteFile(path, "old");
    {
        CMirrorFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
        file.Write("partial", 7);
        file.Abort();
        file.Abort();  // twice is harmless
    }
    {
        CMirrorFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
        file.Write("partial", 7);
    }  // destroyed without Close
    EXPECT_EQ(TempFolder::ReadFile(path), "old");
    EXPECT_EQ(m_folder.Entries(), Only("doc.txt"));
}

TEST_F(MirrorFileTest, ReplacementKeepsTheTargetsPermissions)
{
    std::string path = m_folder.Path("doc.txt");
    TempFolder::WriteFile(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
    file.Close();
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(MirrorFileTest, ReadOnlyTargetFailsBeforeAnythingIsWritten)
{
    std::string path = m_folder.Path("readonly.txt");
    TempFolder::WriteFile(path, "keep");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    CFileException error;
    CMirrorFile file;
    EXPECT_FALSE(file.Open(path.c_str(), kSaveFlags, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_EQ(TempFolder::ReadFile(path), "keep");
    EXPECT_EQ(m_folder.Entries(), Only("readonly.txt"));
}

TEST_F(MirrorFileTest, LockedTargetFailsWithSharingViolation)
{
    std::string path = m_folder.Path("locked.txt");
    TempFolder::WriteFile(path, "keep");
    for (int nLock : {LOCK_EX, LOCK_SH}) {
        int hOther = open(path.c_str(), O_RDONLY);
        ASSERT_GE(hOther, 0);
        ASSERT_EQ(flock(hOther, nLock), 0);
        CFileException error;
        CMirrorFile file;
        EXPECT_FALSE(file.Open(path.c_str(), kSaveFlags, &error));
        EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
        close(hOther);
    }
    EXPECT_EQ(TempFolder::ReadFile(path), "keep");
    EXPECT_EQ(m_folder.Entries(), Only("locked.txt"));
}

TEST_F(MirrorFileTest, TargetStaysLockedWhileTheNewContentIsWritten)
{
    std::string path = m_folder.Path("doc.txt");
    TempFolder::WriteFile(path, "old");
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
    CFile reader;
    EXPECT_FALSE(reader.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    file.Close();
    EXPECT_TRUE(reader.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
}

TEST_F(MirrorFileTest, MissingFolderFails)
{
    std::string path = m_folder.Path("no/such/folder/doc.txt");
    CFileException error;
    CMirrorFile file;
    EXPECT_FALSE(file.Open(path.c_str(), kSaveFlags, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_TRUE(m_folder.Entries().empty());
}

TEST_F(MirrorFileTest, WithoutCreateItIsAPlainFile)
{
    std::string path = m_folder.Path("doc.txt");
    TempFolder::WriteFile(path, "content");
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    char buffer[7];
    EXPECT_EQ(file.Read(buffer, sizeof(buffer)), 7u);
    file.Close();
    EXPECT_EQ(TempFolder::ReadFile(path), "content");
    EXPECT_FALSE(file.Open(m_folder.Path("missing").c_str(), CFile::modeRead));
}

}  // namespace
