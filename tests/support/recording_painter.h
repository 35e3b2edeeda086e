// CRecordingPainter: an image painter that logs every drawing call with the
// kind of surface it went to, and then draws as the real painter does (or
// not, when drawing is switched off). Tests compare the log with tables of
// expected drawing.
#pragma once

#include <string>
#include <vector>

#include "image_painter.h"

enum DrawSurface {
  SURFACE_NONE,         // null DC
  SURFACE_BACK_BUFFER,  // the global back buffer
  SURFACE_WINDOW,       // a DC of a window: straight to the screen
  SURFACE_OFFSCREEN,    // some other memory surface (list or scroll bar)
};

struct DrawCall {
  std::string op;  // "DrawImage", "DrawImageAt", ..., "SetTransparency", "OnScreenLoaded"
  DrawSurface surface;
  int imageId;
  int x, y, width, height, xSrc, ySrc;  // as passed; unused ones are 0
  int extra;                            // frame count / enable flag
  int extra2;                           // frame index / colour
};

class CRecordingPainter : public CImagePainter {
 public:
  bool drawToo = true;  // also draw, through the real painter
  std::vector<DrawCall> calls;

  void DrawImage(CDC* dc, int imageId) override;
  void DrawImageAt(CDC* dc, int imageId, int x, int y) override;
  void DrawImageRop(CDC* dc, int imageId, int x, int y, DWORD rop) override;
  void DrawImageSized(CDC* dc, int imageId, int x, int y, int width, int height, DWORD rop) override;
  void DrawImagePart(CDC* dc, int imageId, int xDest, int yDest, int width, int height, int xSrc,
                     int ySrc, DWORD rop) override;
  void SetTransparency(BOOL enable, COLORREF color) override;
  void DrawImageFrame(CDC* dc, int imageId, int frameCount, int frameIndex, int x, int y,
                      DWORD rop) override;
  void OnScreenLoaded() override;

  std::vector<DrawCall> Take();
  // One line per call, for failure messages.
  static std::string Dump(const std::vector<DrawCall>& calls);

 private:
  void Log(const char* op, CDC* dc, int imageId, int x = 0, int y = 0, int width = 0,
           int height = 0, int xSrc = 0, int ySrc = 0, int extra = 0, int extra2 = 0);
};

DrawSurface ClassifySurface(CDC* dc);
