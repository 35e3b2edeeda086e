// CGdiObject, CBitmap, CFont: owners of graphics objects. An object made
// through a wrapper is deleted with it; FromHandle gives short-lived,
// non-owning wrappers for objects that belong to someone else.
// AfxGdiCounters counts what the wrappers made and deleted, so that a test
// can see whether drawing gives back everything it takes.
#pragma once

#include "afx_object.h"

class CDC;

struct AfxGdiCounters {
  long objectsCreated;
  long objectsDeleted;
  long dcsCreated;
  long dcsDeleted;
};
AfxGdiCounters& AfxGetGdiCounters();

class CGdiObject : public CObject {
 public:
  CGdiObject();
  ~CGdiObject() override;

  HGDIOBJ m_hObject;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const;

  static CGdiObject* FromHandle(HGDIOBJ hObject);

 protected:
  void Adopt(HGDIOBJ created);  // a new object made by this wrapper

 private:
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  bool m_bTemporary;
};

class CBitmap : public CGdiObject {
 public:
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const;
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CFont : public CGdiObject {
 public:
  BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
  // The face name is cut to what the font description holds (31 characters).
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                  BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                  LPCWSTR lpszFacename);
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};
