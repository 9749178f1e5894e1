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
    std::vector<std::unique_ptr<CItem>> m_items;
};

TEST_F(ObListTest, EmptyListHasNoEntriesAndNoPositions)
{
    CObList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.FindIndex(0), nullptr);
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

TEST_F(ObListTest, FindIndexCountsFromTheHead)
{
    MakeItems(5);
    CObList list(2);
    for (int i = 0; i < 5; ++i) {
        list.AddTail(Item(i));
    }
    EXPECT_EQ(list.GetAt(list.FindIndex(0)), Item(0));
    EXPECT_EQ(list.GetAt(list.FindIndex(2)), Item(2));
    EXPECT_EQ(list.GetAt(list.FindIndex(4)), Item(4));
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
    EXPECT_EQ(list.GetAt(list.GetHeadPosition())->m_n, 0);
}

}  // namespace
