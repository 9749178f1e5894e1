#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/core/CObList.h"
#include "platform/core/CTypedPtrList.h"

namespace {

class CItem : public CObject {
public:
    explicit CItem(int n) : m_n(n) {}
    int m_n;
};

class ObListTest : public ::testing::Test {
protected:
    // Items 0..count-1, owned by the test, not by the lists.
    void MakeItems(int count)
    {
        for (int i = 0; i < count; ++i) {
            m_items.push_back(std::make_unique<CItem>(i));
        }
    }
    CItem* Item(int i) { return m_items[static_cast<size_t>(i)].get(); }

    static std::vector<int> HeadToTail(const CObList& list)
    {
        std::vector<int> values;
        POSITION pos = list.GetHeadPosition();
        while (pos != nullptr) {
            values.push_back(static_cast<CItem*>(list.GetNext(pos))->m_n);
        }
        return values;
    }
    static std::vector<int> TailToHead(const CObList& list)
    {
        std::vector<int> values;
        POSITION pos = list.GetTailPosition();
        while (pos != nullptr) {
            values.push_back(static_cast<CItem*>(list.GetPrev(pos))->m_n);
        }
        return values;
    }

    std::vector<std::unique_ptr<CItem>> m_items;
};

TEST_F(ObListTest, EmptyListHasNoEntriesAndNoPositions)
{
    CObList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    EXPECT_EQ(list.GetHead(), nullptr);
    EXPECT_EQ(list.GetTail(), nullptr);
    EXPECT_EQ(list.RemoveHead(), nullptr);
    EXPECT_EQ(list.RemoveTail(), nullptr);
    EXPECT_EQ(list.GetBlockSize(), 10);
}

TEST_F(ObListTest, WalkVisitsEntriesInInsertionOrderAcrossManyBlocks)
{
    for (INT_PTR nBlockSize : {1, 3, 10}) {
        MakeItems(25);
        CObList list(nBlockSize);
        std::vector<int> expected;
        for (int i = 0; i < 25; ++i) {
            list.AddTail(Item(i));
            expected.push_back(i);
        }
        EXPECT_EQ(list.GetCount(), 25);
        EXPECT_EQ(HeadToTail(list), expected);
        std::vector<int> reversed(expected.rbegin(), expected.rend());
        EXPECT_EQ(TailToHead(list), reversed);
        EXPECT_EQ(list.GetHead(), Item(0));
        EXPECT_EQ(list.GetTail(), Item(24));
        m_items.clear();
    }
}

TEST_F(ObListTest, AddTailReturnsThePositionOfTheNewEntry)
{
    MakeItems(12);
    CObList list;
    std::vector<POSITION> positions;
    for (int i = 0; i < 12; ++i) {
        positions.push_back(list.AddTail(Item(i)));
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(list.GetAt(positions[static_cast<size_t>(i)]), Item(i));
    }
    EXPECT_EQ(positions.front(), list.GetHeadPosition());
    EXPECT_EQ(positions.back(), list.GetTailPosition());
}

TEST_F(ObListTest, RemoveAllForgetsEntriesButLeavesObjectsAlive)
{
    MakeItems(15);
    CObList list(4);
    for (int i = 0; i < 15; ++i) {
        list.AddTail(Item(i));
    }
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(Item(14)->m_n, 14);  // still a live object; ASan would object otherwise

    list.AddTail(Item(3));
    list.AddTail(Item(7));
    EXPECT_EQ(HeadToTail(list), (std::vector<int>{3, 7}));
}

TEST_F(ObListTest, RemovalsKeepBothDirectionsConsistentAndFreedNodesAreReused)
{
    MakeItems(20);
    CObList list(3);
    std::vector<POSITION> positions;
    for (int i = 0; i < 10; ++i) {
        positions.push_back(list.AddTail(Item(i)));
    }
    list.RemoveAt(positions[0]);  // head
    list.RemoveAt(positions[9]);  // tail
    list.RemoveAt(positions[5]);  // middle
    EXPECT_EQ(list.RemoveHead(), Item(1));
    EXPECT_EQ(list.RemoveTail(), Item(8));
    EXPECT_EQ(HeadToTail(list), (std::vector<int>{2, 3, 4, 6, 7}));
    EXPECT_EQ(TailToHead(list), (std::vector<int>{7, 6, 4, 3, 2}));

    for (int i = 10; i < 20; ++i) {
        list.AddTail(Item(i));
    }
    list.AddHead(Item(0));
    EXPECT_EQ(list.GetCount(), 16);
    EXPECT_EQ(HeadToTail(list), (std::vector<int>{0, 2, 3, 4, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

TEST_F(ObListTest, RemovingTheLastEntryLeavesAUsableEmptyList)
{
    MakeItems(2);
    CObList list;
    POSITION pos = list.AddTail(Item(0));
    list.RemoveAt(pos);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHead(), nullptr);
    list.AddHead(Item(1));
    EXPECT_EQ(list.GetHead(), Item(1));
    EXPECT_EQ(list.GetTail(), Item(1));
}

TEST_F(ObListTest, InsertFindAndIndex)
{
    MakeItems(5);
    CObList list;
    POSITION pos1 = list.AddTail(Item(1));
    POSITION pos3 = list.AddTail(Item(3));
    list.InsertBefore(pos1, Item(0));
    list.InsertAfter(pos1, Item(2));
    list.InsertAfter(pos3, Item(4));
    EXPECT_EQ(HeadToTail(list), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(TailToHead(list), (std::vector<int>{4, 3, 2, 1, 0}));

    EXPECT_EQ(list.Find(Item(3)), pos3);
    EXPECT_EQ(list.Find(Item(1), pos1), nullptr);  // the search starts after pos1
    EXPECT_EQ(list.GetAt(list.FindIndex(2)), Item(2));
    EXPECT_EQ(list.FindIndex(5), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST_F(ObListTest, TypedListHandsOutTypedEntries)
{
    MakeItems(3);
    CTypedPtrList<CObList, CItem*> list;
    for (int i = 0; i < 3; ++i) {
        list.AddTail(Item(i));
    }
    int sum = 0;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        sum += list.GetNext(pos)->m_n;
    }
    EXPECT_EQ(sum, 3);
    EXPECT_EQ(list.GetTail()->m_n, 2);
}

}  // namespace
