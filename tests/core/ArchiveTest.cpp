#include <gtest/gtest.h>

#include <vector>

#include "TempFolder.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"

namespace {

// Counts the calls that reach the disk.
class CCountingFile : public CFile {
public:
    UINT Read(void* lpBuf, UINT nCount) override
    {
        ++m_nReads;
        return CFile::Read(lpBuf, nCount);
    }
    void Write(const void* lpBuf, UINT nCount) override
    {
        ++m_nWrites;
        CFile::Write(lpBuf, nCount);
    }
    int m_nReads = 0;
    int m_nWrites = 0;
};

std::vector<unsigned char> Pattern(size_t nSize)
{
    std::vector<unsigned char> bytes(nSize);
    for (size_t i = 0; i < nSize; ++i) {
        bytes[i] = static_cast<unsigned char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

class ArchiveTest : public ::testing::Test {
protected:
    void OpenForWriting() { ASSERT_TRUE(m_file.Open(m_path.c_str(), CFile::modeCreate | CFile::modeReadWrite)); }
    void OpenForReading() { ASSERT_TRUE(m_file.Open(m_path.c_str(), CFile::modeRead)); }

    TempFolder m_folder;
    std::string m_path = m_folder.Path("archive.bin");
    CCountingFile m_file;
};

TEST_F(ArchiveTest, BytesWrittenInOddChunksReadBackTheSame)
{
    std::vector<unsigned char> data = Pattern(10000);
    OpenForWriting();
    {
        CArchive ar(&m_file, CArchive::store);
        EXPECT_TRUE(ar.IsStoring());
        EXPECT_EQ(ar.GetFile(), &m_file);
        for (size_t offset = 0; offset < data.size(); offset += 333) {
            ar.Write(&data[offset], static_cast<UINT>(std::min<size_t>(333, data.size() - offset)));
        }
        ar.Close();
        EXPECT_EQ(ar.GetFile(), nullptr);
    }
    m_file.Close();

    OpenForReading();
    CArchive ar(&m_file, CArchive::load);
    EXPECT_TRUE(ar.IsLoading());
    std::vector<unsigned char> back(data.size() + 50);
    UINT nTotal = 0;
    for (UINT nChunk : {1u, 4095u, 4097u, 500u, 9000u}) {
        nTotal += ar.Read(&back[nTotal], std::min<UINT>(nChunk, static_cast<UINT>(back.size()) - nTotal));
    }
    EXPECT_EQ(nTotal, data.size());  // short only at the end of the file
    back.resize(nTotal);
    EXPECT_EQ(back, data);
}

TEST_F(ArchiveTest, StoringWritesWholeBuffersUntilFlushed)
{
    std::vector<unsigned char> data = Pattern(5000);
    OpenForWriting();
    CArchive ar(&m_file, CArchive::store);
    ar.Write(data.data(), 4000);
    EXPECT_EQ(m_file.GetLength(), 0u);
    ar.Write(data.data() + 4000, 1000);
    EXPECT_EQ(m_file.GetLength(), 4096u);
    ar.Flush();
    EXPECT_EQ(m_file.GetLength(), 5000u);
    EXPECT_EQ(m_file.m_nWrites, 2);
}

TEST_F(ArchiveTest, DestructionFlushesUnlessToldNotTo)
{
    OpenForWriting();
    {
        CArchive ar(&m_file, CArchive::store);
        ar.Write("abc", 3);
    }
    EXPECT_EQ(m_file.GetLength(), 3u);
    {
        CArchive ar(&m_file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar.Write("def", 3);
    }
    EXPECT_EQ(m_file.GetLength(), 3u);
    {
        CArchive ar(&m_file, CArchive::store);
        ar.Write("ghi", 3);
        ar.Abort();
    }
    EXPECT_EQ(m_file.GetLength(), 3u);
}

TEST_F(ArchiveTest, LoadingReadsNothingUntilAsked)
{
    TempFolder::WriteFile(m_path, "some bytes that nobody asks for");
    OpenForReading();
    {
        CArchive ar(&m_file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.Close();
    }
    EXPECT_EQ(m_file.m_nReads, 0);
    EXPECT_EQ(m_file.GetPosition(), 0u);
}

TEST_F(ArchiveTest, FlushWhileLoadingGivesUnreadBytesBack)
{
    TempFolder::WriteFile(m_path, "0123456789");
    OpenForReading();
    CArchive ar(&m_file, CArchive::load);
    char buffer[3];
    ASSERT_EQ(ar.Read(buffer, 3), 3u);
    EXPECT_EQ(m_file.GetPosition(), 10u);  // the buffer took everything
    ar.Flush();
    EXPECT_EQ(m_file.GetPosition(), 3u);
    ASSERT_EQ(ar.Read(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "345");
}

TEST_F(ArchiveTest, DefaultsAndCallerBuffer)
{
    OpenForWriting();
    unsigned char own[16];
    CArchive ar(&m_file, CArchive::store, sizeof(own), own);
    EXPECT_TRUE(ar.m_bForceFlat);
    EXPECT_EQ(ar.GetBufferSize(), 16);
    ar.Write("0123456789abcdefXY", 18);
    EXPECT_EQ(m_file.GetLength(), 16u);  // the caller's 16 bytes are the buffer
    CArchive zero(&m_file, CArchive::store, 0);
    EXPECT_EQ(zero.GetBufferSize(), 4096);
}

}  // namespace
