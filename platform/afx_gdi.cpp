#include "afx_gdi.h"

#include "afx_dc.h"

AfxGdiCounters& AfxGetGdiCounters() {
  static AfxGdiCounters counters = {0, 0, 0, 0};
  return counters;
}

CGdiObject::CGdiObject() : m_hObject(nullptr), m_bTemporary(false) {}

CGdiObject::~CGdiObject() {
  if (!m_bTemporary) DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) return FALSE;
  DeleteObject();
  m_hObject = hObject;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  m_hObject = nullptr;
  return h;
}

void CGdiObject::Adopt(HGDIOBJ created) {
  DeleteObject();
  m_hObject = created;
  if (created != nullptr) ++AfxGetGdiCounters().objectsCreated;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  BOOL ok = ::DeleteObject(m_hObject);
  if (ok) ++AfxGetGdiCounters().objectsDeleted;
  m_hObject = nullptr;
  return ok;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
  return m_hObject ? ::GetObjectW(m_hObject, nCount, lpObject) : 0;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  if (hObject == nullptr) return nullptr;
  // Reused in turn: a caller keeps one only until it selects it back.
  static CGdiObject temporaries[32];
  static int next = 0;
  CGdiObject* wrapper = &temporaries[next];
  next = (next + 1) % 32;
  wrapper->m_bTemporary = true;
  wrapper->m_hObject = hObject;
  return wrapper;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  Adopt(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : nullptr, nWidth, nHeight));
  return m_hObject != nullptr;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const {
  return GetObject(sizeof(BITMAP), pBitMap);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont) {
  Adopt(::CreateFontIndirectW(lpLogFont));
  return m_hObject != nullptr;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCWSTR lpszFacename) {
  LOGFONTW lf = {};
  lf.lfHeight = nHeight;
  lf.lfWidth = nWidth;
  lf.lfEscapement = nEscapement;
  lf.lfOrientation = nOrientation;
  lf.lfWeight = nWeight;
  lf.lfItalic = bItalic;
  lf.lfUnderline = bUnderline;
  lf.lfStrikeOut = cStrikeOut;
  lf.lfCharSet = nCharSet;
  lf.lfOutPrecision = nOutPrecision;
  lf.lfClipPrecision = nClipPrecision;
  lf.lfQuality = nQuality;
  lf.lfPitchAndFamily = nPitchAndFamily;
  if (lpszFacename != nullptr) lstrcpynW(lf.lfFaceName, lpszFacename, LF_FACESIZE);
  return CreateFontIndirect(&lf);
}
