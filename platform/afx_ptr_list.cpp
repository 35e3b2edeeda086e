#include "afx_ptr_list.h"

#include <cstdlib>

CPtrList::CPtrList(int nBlockSize)
    : m_pNodeHead(nullptr),
      m_pNodeTail(nullptr),
      m_nCount(0),
      m_pNodeFree(nullptr),
      m_pBlocks(nullptr),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}

CPtrList::~CPtrList() {
  RemoveAll();
  while (m_pBlocks != nullptr) {
    CBlock* next = m_pBlocks->pNext;
    std::free(m_pBlocks);
    m_pBlocks = next;
  }
}

CPtrList::CNode* CPtrList::NewNode(CNode* pPrev, CNode* pNext) {
  if (m_pNodeFree == nullptr) {
    // One allocation holds a block header and nBlockSize nodes.
    void* raw = std::malloc(sizeof(CBlock) + sizeof(CNode) * static_cast<size_t>(m_nBlockSize));
    if (raw == nullptr) return nullptr;
    CBlock* block = static_cast<CBlock*>(raw);
    block->pNext = m_pBlocks;
    m_pBlocks = block;
    CNode* nodes = reinterpret_cast<CNode*>(block + 1);
    for (int i = m_nBlockSize - 1; i >= 0; --i) {
      nodes[i].pNext = m_pNodeFree;
      m_pNodeFree = &nodes[i];
    }
  }
  CNode* node = m_pNodeFree;
  m_pNodeFree = node->pNext;
  node->pPrev = pPrev;
  node->pNext = pNext;
  node->data = nullptr;
  ++m_nCount;
  return node;
}

void CPtrList::FreeNode(CNode* pNode) {
  pNode->pNext = m_pNodeFree;
  m_pNodeFree = pNode;
  --m_nCount;
}

void* CPtrList::GetHead() const { return m_pNodeHead ? m_pNodeHead->data : nullptr; }
void* CPtrList::GetTail() const { return m_pNodeTail ? m_pNodeTail->data : nullptr; }

POSITION CPtrList::AddTail(void* newElement) {
  CNode* node = NewNode(m_pNodeTail, nullptr);
  if (node == nullptr) return nullptr;
  node->data = newElement;
  if (m_pNodeTail) m_pNodeTail->pNext = node;
  else m_pNodeHead = node;
  m_pNodeTail = node;
  return reinterpret_cast<POSITION>(node);
}

POSITION CPtrList::AddHead(void* newElement) {
  CNode* node = NewNode(nullptr, m_pNodeHead);
  if (node == nullptr) return nullptr;
  node->data = newElement;
  if (m_pNodeHead) m_pNodeHead->pPrev = node;
  else m_pNodeTail = node;
  m_pNodeHead = node;
  return reinterpret_cast<POSITION>(node);
}

void* CPtrList::RemoveHead() {
  CNode* old = m_pNodeHead;
  if (old == nullptr) return nullptr;
  void* data = old->data;
  m_pNodeHead = old->pNext;
  if (m_pNodeHead) m_pNodeHead->pPrev = nullptr;
  else m_pNodeTail = nullptr;
  FreeNode(old);
  return data;
}

void CPtrList::RemoveAll() {
  while (m_pNodeHead != nullptr) RemoveHead();
}

POSITION CPtrList::GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }

void* CPtrList::GetNext(POSITION& rPosition) const {
  CNode* node = reinterpret_cast<CNode*>(rPosition);
  rPosition = reinterpret_cast<POSITION>(node->pNext);
  return node->data;
}

POSITION CPtrList::FindIndex(int nIndex) const {
  if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
  CNode* node = m_pNodeHead;
  while (nIndex-- > 0) node = node->pNext;
  return reinterpret_cast<POSITION>(node);
}

void* CPtrList::GetAt(POSITION position) const {
  return reinterpret_cast<CNode*>(position)->data;
}
