// CCmdTarget: the base of every class that has a message map or takes
// commands.
#pragma once

#include "afx_message_map.h"
#include "afx_object.h"

struct AFX_CMDHANDLERINFO;

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Offers a command to this target; non-zero when it was handled. The
  // framework's targets handle no command of their own.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  friend class CWnd;
};
