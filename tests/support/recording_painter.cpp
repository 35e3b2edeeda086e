#include "recording_painter.h"

#include <cstdio>

#include "back_buffer_dc.h"

DrawSurface ClassifySurface(CDC* dc) {
  if (dc == nullptr || dc->m_hDC == nullptr) return SURFACE_NONE;
  if (dc->m_hDC == g_backBuffer.m_hDC) return SURFACE_BACK_BUFFER;
  if (WindowFromDC(dc->m_hDC) != nullptr) return SURFACE_WINDOW;
  return SURFACE_OFFSCREEN;
}

void CRecordingPainter::Log(const char* op, CDC* dc, int imageId, int x, int y, int width,
                            int height, int xSrc, int ySrc, int extra, int extra2) {
  calls.push_back(DrawCall{op, ClassifySurface(dc), imageId, x, y, width, height, xSrc, ySrc,
                           extra, extra2});
}

void CRecordingPainter::DrawImage(CDC* dc, int imageId) {
  Log("DrawImage", dc, imageId);
  if (drawToo) CImagePainter::DrawImage(dc, imageId);
}

void CRecordingPainter::DrawImageAt(CDC* dc, int imageId, int x, int y) {
  Log("DrawImageAt", dc, imageId, x, y);
  if (drawToo) CImagePainter::DrawImageAt(dc, imageId, x, y);
}

void CRecordingPainter::DrawImageRop(CDC* dc, int imageId, int x, int y, DWORD rop) {
  Log("DrawImageRop", dc, imageId, x, y);
  if (drawToo) CImagePainter::DrawImageRop(dc, imageId, x, y, rop);
}

void CRecordingPainter::DrawImageSized(CDC* dc, int imageId, int x, int y, int width, int height,
                                       DWORD rop) {
  Log("DrawImageSized", dc, imageId, x, y, width, height);
  if (drawToo) CImagePainter::DrawImageSized(dc, imageId, x, y, width, height, rop);
}

void CRecordingPainter::DrawImagePart(CDC* dc, int imageId, int xDest, int yDest, int width,
                                      int height, int xSrc, int ySrc, DWORD rop) {
  Log("DrawImagePart", dc, imageId, xDest, yDest, width, height, xSrc, ySrc);
  if (drawToo) CImagePainter::DrawImagePart(dc, imageId, xDest, yDest, width, height, xSrc, ySrc, rop);
}

void CRecordingPainter::SetTransparency(BOOL enable, COLORREF color) {
  Log("SetTransparency", nullptr, -1, 0, 0, 0, 0, 0, 0, enable ? 1 : 0, static_cast<int>(color));
  CImagePainter::SetTransparency(enable, color);
}

void CRecordingPainter::DrawImageFrame(CDC* dc, int imageId, int frameCount, int frameIndex, int x,
                                       int y, DWORD rop) {
  Log("DrawImageFrame", dc, imageId, x, y, 0, 0, 0, 0, frameCount, frameIndex);
  if (drawToo) CImagePainter::DrawImageFrame(dc, imageId, frameCount, frameIndex, x, y, rop);
}

void CRecordingPainter::OnScreenLoaded() { Log("OnScreenLoaded", nullptr, -1); }

std::vector<DrawCall> CRecordingPainter::Take() {
  std::vector<DrawCall> out;
  out.swap(calls);
  return out;
}

std::string CRecordingPainter::Dump(const std::vector<DrawCall>& list) {
  static const char* kSurface[] = {"none", "backbuffer", "window", "offscreen"};
  std::string out;
  for (size_t i = 0; i < list.size(); ++i) {
    const DrawCall& c = list[i];
    char line[200];
    std::snprintf(line, sizeof line, "  [%zu] %s on %s id %d at (%d,%d) size %dx%d src (%d,%d) %d %d\n",
                  i, c.op.c_str(), kSurface[c.surface], c.imageId, c.x, c.y, c.width, c.height,
                  c.xSrc, c.ySrc, c.extra, c.extra2);
    out += line;
  }
  return out;
}
