#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempFolder.h"
#include "platform/core/AfxPrintable.h"
#include "platform/core/CMirrorFile.h"
#include "tests/core/NonRegularFiles.h"

namespace {

const UINT kSaveFlags = CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive;

class MirrorFileTest : public ::testing::Test {
protected:
    std::set<std::string> Only(const std::string& name) { return {name}; }

    void Save(const std::string& path, const std::string& content)
    {
        CMirrorFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags)) << path;
        file.Write(content.data(), static_cast<UINT>(content.size()));
        file.Close();
    }
    static std::string LinkText(const std::string& path)
    {
        char szText[256] = "";
        ssize_t n = readlink(path.c_str(), szText, sizeof(szText) - 1);
        return std::string(szText, n > 0 ? static_cast<size_t>(n) : 0);
    }

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

// Root saving over another user's file leaves it that user's.
TEST_F(MirrorFileTest, ReplacementKeepsTheTargetsPermissionsAndOwner)
{
    std::string path = m_folder.Path("doc.txt");
    TempFolder::WriteFile(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const bool bRoot = geteuid() == 0;
    if (bRoot) {
        ASSERT_EQ(chown(path.c_str(), 12345, 23456), 0);
    }
    CMirrorFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
    file.Close();
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (bRoot) {
        EXPECT_EQ(st.st_uid, 12345u);
        EXPECT_EQ(st.st_gid, 23456u);
    }
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

TEST_F(MirrorFileTest, SavingThroughSymbolicLinksReplacesTheFileTheyPointToAndKeepsThem)
{
    ASSERT_EQ(mkdir(m_folder.Path("real").c_str(), 0755), 0);
    const std::string target = m_folder.Path("real/doc.txt");
    TempFolder::WriteFile(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    ASSERT_EQ(symlink("real/doc.txt", m_folder.Path("link").c_str()), 0);        // relative to its folder
    ASSERT_EQ(symlink(m_folder.Path("link").c_str(), m_folder.Path("chain").c_str()), 0);  // to a link
    ASSERT_EQ(symlink("real/new.txt", m_folder.Path("dangling").c_str()), 0);    // to no file yet

    Save(m_folder.Path("link"), "through the link");
    EXPECT_EQ(TempFolder::ReadFile(target), "through the link");
    Save(m_folder.Path("chain"), "through the chain");
    Save(m_folder.Path("dangling"), "created");

    EXPECT_EQ(LinkText(m_folder.Path("link")), "real/doc.txt");
    EXPECT_EQ(LinkText(m_folder.Path("chain")), m_folder.Path("link"));
    EXPECT_EQ(LinkText(m_folder.Path("dangling")), "real/new.txt");
    EXPECT_EQ(TempFolder::ReadFile(target), "through the chain");
    EXPECT_EQ(TempFolder::ReadFile(m_folder.Path("real/new.txt")), "created");
    struct stat st;
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(m_folder.Entries(), (std::set<std::string>{"real", "link", "chain", "dangling"}));
    EXPECT_EQ(TempFolder::ReadFile(m_folder.Path("chain")), "through the chain");
}

TEST_F(MirrorFileTest, FilesThatAreNotRegularAreRefusedAtOnceAndLeftAsTheyWere)
{
    NonRegularFiles others(m_folder);
    ASSERT_TRUE(others.IsValid());
    const std::set<std::string> before = m_folder.Entries();
    for (const std::string& name : others.Names()) {
        const std::string path = m_folder.Path(name);
        const mode_t nMode = NonRegularFiles::Mode(path);
        for (UINT nFlags : {kSaveFlags, UINT(CFile::modeRead | CFile::shareDenyWrite), UINT(CFile::modeReadWrite)}) {
            CFileException error;
            CMirrorFile file;
            EXPECT_FALSE(file.Open(path.c_str(), nFlags, &error)) << name << " " << nFlags;
            EXPECT_EQ(error.m_cause, CFileException::accessDenied) << name << " " << nFlags;
        }
        EXPECT_EQ(NonRegularFiles::Mode(path), nMode) << name;
    }
    EXPECT_EQ(m_folder.Entries(), before);

    // With nobody at the other end, an open would block for ever.
    if (HasFailure()) {
        return;
    }
    const std::string lonely = m_folder.Path("lonely");
    ASSERT_EQ(mkfifo(lonely.c_str(), 0666), 0);
    CFile reader;
    EXPECT_FALSE(reader.Open(lonely.c_str(), CFile::modeRead));
    CMirrorFile writer;
    EXPECT_FALSE(writer.Open(lonely.c_str(), kSaveFlags));
}

TEST_F(MirrorFileTest, NamesUpToTheLongestAllowedAreSavedWithATemporaryNameThatFits)
{
    std::string euros;
    for (int i = 0; i < 85; ++i) {
        euros += "\xe2\x82\xac";  // 255 bytes of three-byte characters
    }
    for (const std::string& name : {std::string(245, 'a'), std::string(250, 'b'), std::string(255, 'c'), euros}) {
        const std::string path = m_folder.Path(name);
        TempFolder::WriteFile(path, "old");
        CMirrorFile file;
        ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags)) << name.size();
        std::set<std::string> entries = m_folder.Entries();
        entries.erase(name);
        ASSERT_EQ(entries.size(), 1u);
        const std::string temporary = *entries.begin();
        EXPECT_EQ(temporary[0], '.');
        EXPECT_LE(temporary.size(), 255u);
        EXPECT_EQ(AfxPrintable(temporary.c_str()), temporary.c_str());  // cut between characters
        file.Write("new", 3);
        file.Close();
        EXPECT_EQ(TempFolder::ReadFile(path), "new");
        EXPECT_EQ(m_folder.Entries(), Only(name));
        std::remove(path.c_str());
    }
}

TEST_F(MirrorFileTest, TheNextSuccessfulSaveRemovesTemporariesThatDeadProcessesLeft)
{
    const pid_t nDead = fork();
    if (nDead == 0) {
        _exit(0);
    }
    ASSERT_GT(nDead, 0);
    ASSERT_EQ(waitpid(nDead, nullptr, 0), nDead);
    const std::string dead = std::to_string(nDead);
    const std::string live = std::to_string(getppid());

    for (const std::string& name : {std::string("doc.txt"), std::string(250, 'd')}) {
        const std::string path = m_folder.Path(name);
        TempFolder::WriteFile(path, "old");
        // The temporary's name up to the process id, as this save makes it.
        std::string prefix;
        {
            CMirrorFile file;
            ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
            for (const std::string& entry : m_folder.Entries()) {
                prefix = entry != name ? entry.substr(0, entry.rfind('~') + 1) : prefix;
            }
        }
        ASSERT_FALSE(prefix.empty());
        const std::set<std::string> stale = {prefix + dead + "-0.tmp", prefix + dead + "-12.tmp"};
        const std::set<std::string> kept = {
            name, prefix + live + "-0.tmp", prefix + dead + "-0.tmp~", prefix + dead + ".tmp", prefix + "0-0.tmp",
            ".other.txt~" + dead + "-0.tmp", prefix.substr(1) + dead + "-0.tmp"};
        for (const std::string& entry : stale) {
            TempFolder::WriteFile(m_folder.Path(entry), "left behind");
        }
        for (const std::string& entry : kept) {
            TempFolder::WriteFile(m_folder.Path(entry), entry == name ? "old" : "keep");
        }
        std::set<std::string> all = kept;
        all.insert(stale.begin(), stale.end());
        {
            CMirrorFile file;
            ASSERT_TRUE(file.Open(path.c_str(), kSaveFlags));
            file.Abort();
        }
        EXPECT_EQ(m_folder.Entries(), all) << "a save that was given up";
        Save(path, "new");
        EXPECT_EQ(m_folder.Entries(), kept);
        EXPECT_EQ(TempFolder::ReadFile(path), "new");
        for (const std::string& entry : m_folder.Entries()) {
            std::remove(m_folder.Path(entry).c_str());
        }
    }
}

}  // namespace
