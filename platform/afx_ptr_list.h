// CPtrList: an ordered list of pointers. Nodes are allocated in blocks
// (nBlockSize at a time) and reused; the list never owns what it points to.
#pragma once

#include <windows.h>

struct __POSITION {};
typedef __POSITION* POSITION;

class CPtrList {
 public:
  explicit CPtrList(int nBlockSize = 10);
  ~CPtrList();

  int GetCount() const { return m_nCount; }
  bool IsEmpty() const { return m_nCount == 0; }

  void* GetHead() const;
  void* GetTail() const;
  POSITION AddTail(void* newElement);
  POSITION AddHead(void* newElement);
  void* RemoveHead();
  void RemoveAll();

  POSITION GetHeadPosition() const;
  void* GetNext(POSITION& rPosition) const;  // the element at rPosition; moves it on
  POSITION FindIndex(int nIndex) const;      // null when out of range
  void* GetAt(POSITION position) const;

 private:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    void* data;
  };
  struct CBlock {
    CBlock* pNext;
  };
  CNode* NewNode(CNode* pPrev, CNode* pNext);
  void FreeNode(CNode* pNode);

  CPtrList(const CPtrList&) = delete;
  CPtrList& operator=(const CPtrList&) = delete;

  CNode* m_pNodeHead;
  CNode* m_pNodeTail;
  int m_nCount;
  CNode* m_pNodeFree;
  CBlock* m_pBlocks;
  int m_nBlockSize;
};
