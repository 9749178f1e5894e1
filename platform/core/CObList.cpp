#include "platform/core/CObList.h"

#include <cstdlib>

#include "platform/core/CMemoryException.h"

IMPLEMENT_DYNAMIC(CObList, CObject)

CObList::CObList(INT_PTR nBlockSize)
    : m_pNodeHead(nullptr),
      m_pNodeTail(nullptr),
      m_nCount(0),
      m_pNodeFree(nullptr),
      m_pBlocks(nullptr),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
{
}

CObList::~CObList() { RemoveAll(); }

CObject* CObList::GetHead() const { return m_pNodeHead != nullptr ? m_pNodeHead->data : nullptr; }

CObject* CObList::GetTail() const { return m_pNodeTail != nullptr ? m_pNodeTail->data : nullptr; }

POSITION CObList::AddHead(CObject* newElement)
{
    CNode* pNode = NewNode(nullptr, m_pNodeHead);
    pNode->data = newElement;
    if (m_pNodeHead != nullptr) {
        m_pNodeHead->pPrev = pNode;
    } else {
        m_pNodeTail = pNode;
    }
    m_pNodeHead = pNode;
    return PosOf(pNode);
}

POSITION CObList::AddTail(CObject* newElement)
{
    CNode* pNode = NewNode(m_pNodeTail, nullptr);
    pNode->data = newElement;
    if (m_pNodeTail != nullptr) {
        m_pNodeTail->pNext = pNode;
    } else {
        m_pNodeHead = pNode;
    }
    m_pNodeTail = pNode;
    return PosOf(pNode);
}

CObject* CObList::RemoveHead()
{
    if (m_pNodeHead == nullptr) {
        return nullptr;
    }
    CObject* pOld = m_pNodeHead->data;
    RemoveAt(PosOf(m_pNodeHead));
    return pOld;
}

CObject* CObList::RemoveTail()
{
    if (m_pNodeTail == nullptr) {
        return nullptr;
    }
    CObject* pOld = m_pNodeTail->data;
    RemoveAt(PosOf(m_pNodeTail));
    return pOld;
}

void CObList::RemoveAll()
{
    FreeBlocks();
    m_pNodeHead = nullptr;
    m_pNodeTail = nullptr;
    m_pNodeFree = nullptr;
    m_nCount = 0;
}

POSITION CObList::GetHeadPosition() const { return PosOf(m_pNodeHead); }

POSITION CObList::GetTailPosition() const { return PosOf(m_pNodeTail); }

CObject*& CObList::GetNext(POSITION& rPosition)
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = PosOf(pNode->pNext);
    return pNode->data;
}

CObject* CObList::GetNext(POSITION& rPosition) const
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = PosOf(pNode->pNext);
    return pNode->data;
}

CObject*& CObList::GetPrev(POSITION& rPosition)
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = PosOf(pNode->pPrev);
    return pNode->data;
}

CObject* CObList::GetPrev(POSITION& rPosition) const
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = PosOf(pNode->pPrev);
    return pNode->data;
}

CObject*& CObList::GetAt(POSITION position) { return NodeAt(position)->data; }

CObject* CObList::GetAt(POSITION position) const { return NodeAt(position)->data; }

void CObList::SetAt(POSITION pos, CObject* newElement) { NodeAt(pos)->data = newElement; }

void CObList::RemoveAt(POSITION position)
{
    CNode* pOld = NodeAt(position);
    if (pOld == m_pNodeHead) {
        m_pNodeHead = pOld->pNext;
    } else {
        pOld->pPrev->pNext = pOld->pNext;
    }
    if (pOld == m_pNodeTail) {
        m_pNodeTail = pOld->pPrev;
    } else {
        pOld->pNext->pPrev = pOld->pPrev;
    }
    FreeNode(pOld);
}

POSITION CObList::InsertBefore(POSITION position, CObject* newElement)
{
    if (position == nullptr) {
        return AddHead(newElement);
    }
    CNode* pOld = NodeAt(position);
    CNode* pNode = NewNode(pOld->pPrev, pOld);
    pNode->data = newElement;
    if (pOld->pPrev != nullptr) {
        pOld->pPrev->pNext = pNode;
    } else {
        m_pNodeHead = pNode;
    }
    pOld->pPrev = pNode;
    return PosOf(pNode);
}

POSITION CObList::InsertAfter(POSITION position, CObject* newElement)
{
    if (position == nullptr) {
        return AddTail(newElement);
    }
    CNode* pOld = NodeAt(position);
    CNode* pNode = NewNode(pOld, pOld->pNext);
    pNode->data = newElement;
    if (pOld->pNext != nullptr) {
        pOld->pNext->pPrev = pNode;
    } else {
        m_pNodeTail = pNode;
    }
    pOld->pNext = pNode;
    return PosOf(pNode);
}

POSITION CObList::Find(CObject* searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter != nullptr ? NodeAt(startAfter)->pNext : m_pNodeHead;
    while (pNode != nullptr && pNode->data != searchValue) {
        pNode = pNode->pNext;
    }
    return PosOf(pNode);
}

POSITION CObList::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount) {
        return nullptr;
    }
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0) {
        pNode = pNode->pNext;
    }
    return PosOf(pNode);
}

CObList::CNode* CObList::NewNode(CNode* pPrev, CNode* pNext)
{
    if (m_pNodeFree == nullptr) {
        AllocBlock();
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = pNode->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    pNode->data = nullptr;
    ++m_nCount;
    return pNode;
}

void CObList::FreeNode(CNode* pNode)
{
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    // The last entry gone: give the blocks back, as RemoveAll does.
    if (--m_nCount == 0) {
        RemoveAll();
    }
}

// One allocation holds the block header followed by m_nBlockSize nodes, all put on the
// free list.
void CObList::AllocBlock()
{
    size_t nBytes = sizeof(CNode) * static_cast<size_t>(m_nBlockSize) + sizeof(CNode);
    void* pMem = std::malloc(nBytes);
    if (pMem == nullptr) {
        AfxThrowMemoryException();
    }
    CBlock* pBlock = static_cast<CBlock*>(pMem);
    pBlock->pNext = m_pBlocks;
    m_pBlocks = pBlock;
    CNode* pNodes = reinterpret_cast<CNode*>(static_cast<char*>(pMem) + sizeof(CNode));
    for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
        pNodes[i].pNext = m_pNodeFree;
        m_pNodeFree = &pNodes[i];
    }
}

void CObList::FreeBlocks()
{
    while (m_pBlocks != nullptr) {
        CBlock* pNext = m_pBlocks->pNext;
        std::free(m_pBlocks);
        m_pBlocks = pNext;
    }
}
