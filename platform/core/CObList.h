// A doubly linked list of CObject pointers. Nodes come from blocks of a fixed number of
// nodes, so a list that grows one entry at a time allocates only now and then.
#pragma once

#include "platform/core/CObject.h"

class CObList : public CObject {
    DECLARE_DYNAMIC(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10);
    ~CObList() override;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    INT_PTR GetBlockSize() const { return m_nBlockSize; }

    POSITION AddTail(CObject* newElement);
    // Forgets every entry; the objects themselves are not deleted.
    void RemoveAll();

    POSITION GetHeadPosition() const;
    // Return the entry at rPosition and move rPosition on; it becomes null past the end.
    // rPosition must not be null.
    CObject*& GetNext(POSITION& rPosition);
    CObject* GetNext(POSITION& rPosition) const;

    CObject*& GetAt(POSITION position);
    CObject* GetAt(POSITION position) const;

    // Entry number nIndex counted from the head; null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const;

private:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        CObject* data;
    };
    struct CBlock {
        CBlock* pNext;
    };

    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void AllocBlock();
    void FreeBlocks();
    static CNode* NodeAt(POSITION pos) { return reinterpret_cast<CNode*>(pos); }
    static POSITION PosOf(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    CNode* m_pNodeFree;
    CBlock* m_pBlocks;
    INT_PTR m_nBlockSize;
};
