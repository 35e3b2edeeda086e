#include "component_fixture.h"

#include <cstring>

#include "image_store.h"

COLORREF FixtureBackgroundPixel(int x, int y) {
  return RGB(x % 256, y % 256, 0x80 + 16 * (x / 256) + y / 256);
}

HBITMAP MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& pixel) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  DWORD* p = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      COLORREF c = pixel(x, y);
      // A DIB pixel is 0x00RRGGBB, a COLORREF 0x00BBGGRR.
      *p++ = (static_cast<DWORD>(GetRValue(c)) << 16) | (static_cast<DWORD>(GetGValue(c)) << 8) |
             GetBValue(c);
    }
  }
  GdiFlush();
  return bitmap;
}

HBITMAP MakeSolidBitmap(int width, int height, COLORREF color) {
  return MakeBitmap(width, height, [color](int, int) { return color; });
}

void SkinOverride::Set(int imageId, HBITMAP bitmap) {
  ImageEntry* entry = CImageStore::Find(imageId);
  if (entry == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    ADD_FAILURE() << "image id " << imageId << " is not in the image table";
    return;
  }
  for (Saved& s : m_saved) {
    if (s.entry == entry) {
      if (s.mine != nullptr) DeleteObject(s.mine);
      s.mine = bitmap;
      entry->bitmap = bitmap;
      return;
    }
  }
  m_saved.push_back(Saved{entry, entry->bitmap, bitmap});
  entry->bitmap = bitmap;
}

void SkinOverride::Restore() {
  for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
    it->entry->bitmap = it->previous;
    if (it->mine != nullptr) DeleteObject(it->mine);
  }
  m_saved.clear();
}

ComponentFixture::ComponentFixture()
    : m_def(new ScreenDefinition), def(*m_def), browser(new CBrowserWnd) {
  std::memset(&def, 0, sizeof def);
  def.painter = &painter;
}

ComponentFixture::~ComponentFixture() = default;

void ComponentFixture::SetUp() {
  ASSERT_TRUE(recorder.CreateRecorder(L"QdComponentFixture"));
  TestThread().m_pMainWnd = &recorder;
  skin.Set(FIXTURE_BACKGROUND_ID, MakeBitmap(BACK_BUFFER_WIDTH, BACK_BUFFER_HEIGHT,
                                             FixtureBackgroundPixel));
  PumpMessages();
  recorder.Clear();
}

void ComponentFixture::TearDown() {
  if (browser && browser->m_hWnd != nullptr) browser->DestroyWindow();
  browser.reset();
  if (recorder.m_hWnd != nullptr) recorder.DestroyWindow();
  TestThread().m_pMainWnd = nullptr;
  PumpMessages(50);
  skin.Restore();
}

void ComponentFixture::Load() { browser->LoadDefinition(def); }

void ComponentFixture::LoadAndCreate(int width, int height) {
  Load();
  ASSERT_TRUE(browser->Create(&recorder, 0, 0, width, height, 1001));
  PumpMessages();
  ClearLogs();
}

void ComponentFixture::PaintNow() {
  browser->Invalidate(FALSE);
  browser->UpdateWindow();
}

COLORREF ComponentFixture::BackBufferPixel(int x, int y) const { return g_backBuffer.GetPixel(x, y); }

COLORREF ComponentFixture::WindowPixel(int x, int y) const {
  // Read through the window's own DC: under Wine the screen may lag behind
  // what the window drew until its surface is flushed.
  HDC window = GetDC(browser->m_hWnd);
  COLORREF c = ::GetPixel(window, x, y);
  ReleaseDC(browser->m_hWnd, window);
  return c;
}

void ComponentFixture::FillBackBuffer(COLORREF color, int x, int y, int width, int height) {
  g_backBuffer.FillSolidRect(x, y, width, height, color);
}

void ComponentFixture::ClearLogs() {
  PumpMessages();
  painter.Take();
  recorder.Clear();
}

std::vector<DrawCall> ComponentFixture::CallsNamed(const std::vector<DrawCall>& calls,
                                                   const char* op) {
  std::vector<DrawCall> out;
  for (const DrawCall& c : calls) {
    if (c.op == op) out.push_back(c);
  }
  return out;
}
