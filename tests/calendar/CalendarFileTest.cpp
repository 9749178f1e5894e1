#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <utility>
#include <vector>

#include "tests/core/TempFolder.h"
#include "calendar/AFCYearObj.h"
#include "calendar/AFCYueObj.h"
#include "platform/core/CArchive.h"
#include "platform/core/CWaitCursor.h"

namespace {

// Records what Serialize was handed; can fail on request, as a damaged disk would.
template <class TBase>
class CSpy : public TBase {
public:
    using TBase::TBase;

    void Serialize(CArchive& ar) override
    {
        ++m_nSerializeCalls;
        m_bLoading = ar.IsLoading();
        m_bForceFlat = ar.m_bForceFlat;
        m_nBufferSize = ar.GetBufferSize();
        m_nWaitCount = AfxGetWaitCursorCount();
        if (!ar.IsLoading()) {
            ar.Write("partial", 7);
        }
        if (m_bFail) {
            AfxThrowFileException(CFileException::hardIO);
        }
    }

    int m_nSerializeCalls = 0;
    BOOL m_bLoading = FALSE;
    BOOL m_bForceFlat = TRUE;
    int m_nBufferSize = 0;
    int m_nWaitCount = 0;
    bool m_bFail = false;
};

template <class T>
std::unique_ptr<T> Make();
template <>
std::unique_ptr<AFCYueObj> Make() { return std::make_unique<AFCYueObj>(2000, 3, 1); }
template <>
std::unique_ptr<AFCYearObj> Make() { return std::make_unique<AFCYearObj>(2000, CRect(0, 0, 400, 400)); }
template <>
std::unique_ptr<CSpy<AFCYueObj>> Make() { return std::make_unique<CSpy<AFCYueObj>>(2000, 3, 1); }
template <>
std::unique_ptr<CSpy<AFCYearObj>> Make() { return std::make_unique<CSpy<AFCYearObj>>(2000, CRect(0, 0, 400, 400)); }

// What a load must leave as it was.
std::vector<long> State(const AFCYueObj& o)
{
    return {o.m_nYear, o.m_nMonth, o.m_nDay, static_cast<long>(o.m_DayList.GetCount()), o.m_nSelDay,
            o.m_nSelMonth, o.m_nSelYear, o.m_rcBounds.right, static_cast<long>(o.m_crTitleBack)};
}
std::vector<long> State(const AFCYearObj& o)
{
    return {o.m_nYear, static_cast<long>(o.m_MonthList.GetCount()), o.m_nSelDay, o.m_nSelMonth,
            o.m_nSelYear, o.m_rcBounds.right, static_cast<long>(o.m_crFrame)};
}

std::vector<std::pair<int, int>> g_waitCalls;
void RecordWaitCursor(int nCode, int nWaitCount) { g_waitCalls.emplace_back(nCode, nWaitCount); }

template <class T>
class CalendarFileTest : public ::testing::Test {
protected:
    void SetUp() override { m_pfnOldWait = AfxSetWaitCursorProc(RecordWaitCursor); g_waitCalls.clear(); }
    void TearDown() override { AfxSetWaitCursorProc(m_pfnOldWait); }

    std::string Path(const char* name) { return m_folder.Path(name); }
    std::set<std::string> Only(const std::string& name) { return {name}; }

    TempFolder m_folder;
    std::unique_ptr<T> m_pObject = Make<T>();
    AFX_WAIT_CURSOR_PROC m_pfnOldWait = nullptr;
};

using CalendarTypes = ::testing::Types<AFCYueObj, AFCYearObj>;
TYPED_TEST_SUITE(CalendarFileTest, CalendarTypes);

TYPED_TEST(CalendarFileTest, SaveToANewPathWritesAnEmptyFile)
{
    std::string path = this->Path("new.cal");
    EXPECT_TRUE(this->m_pObject->SaveToFile(path.c_str()));
    EXPECT_EQ(this->m_folder.Entries(), this->Only("new.cal"));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    // One wait cursor, begun and ended.
    EXPECT_EQ(g_waitCalls, (std::vector<std::pair<int, int>>{{1, 1}, {-1, 0}}));
}

TYPED_TEST(CalendarFileTest, SaveOverANonEmptyFileLeavesItEmpty)
{
    std::string path = this->Path("old.cal");
    TempFolder::WriteFile(path, "old calendar content");
    EXPECT_TRUE(this->m_pObject->SaveToFile(path.c_str()));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(this->m_folder.Entries(), this->Only("old.cal"));
}

TYPED_TEST(CalendarFileTest, SaveIntoAMissingFolderFails)
{
    std::string path = this->Path("missing/new.cal");
    EXPECT_FALSE(this->m_pObject->SaveToFile(path.c_str()));
    EXPECT_TRUE(this->m_folder.Entries().empty());
    EXPECT_TRUE(g_waitCalls.empty());  // failed before the archive was used
}

TYPED_TEST(CalendarFileTest, SaveOverAReadOnlyTargetFailsAndKeepsIt)
{
    std::string path = this->Path("readonly.cal");
    TempFolder::WriteFile(path, "keep");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(this->m_pObject->SaveToFile(path.c_str()));
    EXPECT_EQ(TempFolder::ReadFile(path), "keep");
    EXPECT_EQ(this->m_folder.Entries(), this->Only("readonly.cal"));
}

TYPED_TEST(CalendarFileTest, SaveOverALockedTargetFailsAndKeepsIt)
{
    std::string path = this->Path("locked.cal");
    TempFolder::WriteFile(path, "keep");
    CFile reader;
    ASSERT_TRUE(reader.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    EXPECT_FALSE(this->m_pObject->SaveToFile(path.c_str()));
    EXPECT_EQ(TempFolder::ReadFile(path), "keep");
    EXPECT_EQ(this->m_folder.Entries(), this->Only("locked.cal"));
}

TYPED_TEST(CalendarFileTest, LoadEmptyAndNonEmptyFilesChangesNothing)
{
    std::vector<long> before = State(*this->m_pObject);
    std::string empty = this->Path("empty.cal");
    std::string full = this->Path("full.cal");
    TempFolder::WriteFile(empty, "");
    TempFolder::WriteFile(full, "bytes nobody reads");
    EXPECT_TRUE(this->m_pObject->LoadFromFile(empty.c_str()));
    EXPECT_TRUE(this->m_pObject->LoadFromFile(full.c_str()));
    EXPECT_EQ(State(*this->m_pObject), before);
    EXPECT_EQ(TempFolder::ReadFile(full), "bytes nobody reads");
    std::set<std::string> expected = {"empty.cal", "full.cal"};
    EXPECT_EQ(this->m_folder.Entries(), expected);
}

TYPED_TEST(CalendarFileTest, LoadMissingPathFailsQuietly)
{
    std::vector<long> before = State(*this->m_pObject);
    EXPECT_FALSE(this->m_pObject->LoadFromFile(this->Path("missing.cal").c_str()));
    EXPECT_EQ(State(*this->m_pObject), before);
    EXPECT_TRUE(g_waitCalls.empty());
    EXPECT_TRUE(this->m_folder.Entries().empty());
}

TYPED_TEST(CalendarFileTest, GetArchiveFileGivesASafeSaveFileOrNull)
{
    std::string path = this->Path("target.cal");
    TempFolder::WriteFile(path, "old");
    CFileException error;
    CFile* pFile = this->m_pObject->GetArchiveFile(
        path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &error);
    ASSERT_NE(pFile, nullptr);
    pFile->Write("new", 3);
    this->m_pObject->ReleaseArchiveFile(pFile, TRUE);  // abort: the old file stays
    EXPECT_EQ(TempFolder::ReadFile(path), "old");
    EXPECT_EQ(this->m_folder.Entries(), this->Only("target.cal"));

    EXPECT_EQ(this->m_pObject->GetArchiveFile(this->Path("missing").c_str(), CFile::modeRead, &error), nullptr);
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
}

// Through a derived class whose Serialize reports what it got.
template <class T>
class CalendarSerializeTest : public ::testing::Test {
protected:
    std::string Path(const char* name) { return m_folder.Path(name); }

    TempFolder m_folder;
    std::unique_ptr<CSpy<T>> m_pSpy = Make<CSpy<T>>();
};

TYPED_TEST_SUITE(CalendarSerializeTest, CalendarTypes);

TYPED_TEST(CalendarSerializeTest, SaveAlwaysSerializesIntoAStoringArchive)
{
    std::string path = this->Path("spy.cal");
    EXPECT_TRUE(this->m_pSpy->SaveToFile(path.c_str()));
    EXPECT_EQ(this->m_pSpy->m_nSerializeCalls, 1);
    EXPECT_FALSE(this->m_pSpy->m_bLoading);
    EXPECT_FALSE(this->m_pSpy->m_bForceFlat);
    EXPECT_EQ(this->m_pSpy->m_nBufferSize, 4096);
    EXPECT_EQ(this->m_pSpy->m_nWaitCount, AfxGetWaitCursorCount() + 1);  // shown while serializing
    EXPECT_EQ(TempFolder::ReadFile(path), "partial");  // the archive was closed before the commit
}

TYPED_TEST(CalendarSerializeTest, LoadSerializesOnlyANonEmptyFile)
{
    std::string empty = this->Path("empty.cal");
    std::string full = this->Path("full.cal");
    TempFolder::WriteFile(empty, "");
    TempFolder::WriteFile(full, "x");
    EXPECT_TRUE(this->m_pSpy->LoadFromFile(empty.c_str()));
    EXPECT_EQ(this->m_pSpy->m_nSerializeCalls, 0);
    EXPECT_TRUE(this->m_pSpy->LoadFromFile(full.c_str()));
    EXPECT_EQ(this->m_pSpy->m_nSerializeCalls, 1);
    EXPECT_TRUE(this->m_pSpy->m_bLoading);
    EXPECT_FALSE(this->m_pSpy->m_bForceFlat);
}

TYPED_TEST(CalendarSerializeTest, FailureDuringSaveKeepsTheOldFileAndLeavesNothingBehind)
{
    std::string path = this->Path("doc.cal");
    TempFolder::WriteFile(path, "old");
    this->m_pSpy->m_bFail = true;
    int nWaitBefore = AfxGetWaitCursorCount();
    EXPECT_FALSE(this->m_pSpy->SaveToFile(path.c_str()));
    EXPECT_EQ(AfxGetWaitCursorCount(), nWaitBefore);
    EXPECT_EQ(TempFolder::ReadFile(path), "old");
    std::set<std::string> expected = {"doc.cal"};
    EXPECT_EQ(this->m_folder.Entries(), expected);
    // LeakSanitizer checks that the exception and the file object were deleted.
}

TYPED_TEST(CalendarSerializeTest, FailureDuringLoadReportsFalse)
{
    std::string path = this->Path("doc.cal");
    TempFolder::WriteFile(path, "content");
    this->m_pSpy->m_bFail = true;
    EXPECT_FALSE(this->m_pSpy->LoadFromFile(path.c_str()));
    EXPECT_EQ(TempFolder::ReadFile(path), "content");
}

}  // namespace
