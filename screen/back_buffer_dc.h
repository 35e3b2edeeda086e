// CBackBufferDC: an off-screen drawing surface (a memory DC with a bitmap of
// its own). The global back buffer, 800 x 480, is where every full paint of
// the component is composed; list-sized ones are made for one redraw.
#pragma once

#include "afx_dc.h"

#define BACK_BUFFER_WIDTH 800
#define BACK_BUFFER_HEIGHT 480

class CBackBufferDC : public CDC {
 public:
  CBackBufferDC();
  ~CBackBufferDC() override;

  // Makes the surface, compatible with pReferenceDC; false (and nothing
  // changes) when it exists already: a surface keeps its first size.
  bool Create(CDC* pReferenceDC, int width, int height);

  CBitmap bitmap;
  bool created;
  CGdiObject* oldBitmap;  // what was selected before bitmap

 private:
  CGdiObject m_oldBitmapRef;  // holds oldBitmap's handle for the surface's life, not owned
};

// The component's back buffer, made by the first LoadDefinition.
extern CBackBufferDC g_backBuffer;
