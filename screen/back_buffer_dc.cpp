#include "back_buffer_dc.h"

// Constructed after every other static of the program (it has no priority),
// so that the framework and the program's globals exist before it.
CBackBufferDC g_backBuffer;

CBackBufferDC::CBackBufferDC() : created(false), oldBitmap(nullptr) {}

CBackBufferDC::~CBackBufferDC() {
  if (created) SelectObject(oldBitmap != nullptr ? oldBitmap->m_hObject : nullptr);
  // m_oldBitmapRef only names the DC's original bitmap, which is not ours.
  m_oldBitmapRef.Detach();
  oldBitmap = nullptr;
  // Then bitmap deletes the surface's bitmap and the base the memory DC.
}

bool CBackBufferDC::Create(CDC* pReferenceDC, int width, int height) {
  if (created) return false;
  CreateCompatibleDC(pReferenceDC);
  bitmap.CreateCompatibleBitmap(pReferenceDC, width, height);
  // The wrapper SelectObject returns is a shared temporary: keep the handle
  // in a wrapper of our own for the surface's whole life.
  CGdiObject* previous = SelectObject(&bitmap);
  if (previous != nullptr) {
    m_oldBitmapRef.m_hObject = previous->m_hObject;
    oldBitmap = &m_oldBitmapRef;
  }
  created = true;
  return true;
}
