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

void CObList::RemoveAll()
{
    FreeBlocks();
    m_pNodeHead = nullptr;
    m_pNodeTail = nullptr;
    m_pNodeFree = nullptr;
    m_nCount = 0;
}

POSITION CObList::GetHeadPosition() const { return PosOf(m_pNodeHead); }

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

CObject*& CObList::GetAt(POSITION position) { return NodeAt(position)->data; }

CObject* CObList::GetAt(POSITION position) const { return NodeAt(position)->data; }

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
