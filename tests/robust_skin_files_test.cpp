// Bad skin files through the real image store: one row of the image table
// gets a broken or odd .bmp (empty, cut short, wrong magic, absurd sizes,
// every bit depth, run-length encodings good and bad, palettes too short,
// pixel data cut short, headers of odd sizes), the other seven get small
// good files, and the store loads the folder through a drive of this
// program's own. Then every drawing operation of the painter runs on every
// id, and a live component paints a screen made of the bad image and a good
// one. Nothing may crash; the bad row is either empty (with its one "Image
// not found" line) or holds whatever bitmap the platform made of the file;
// every other row loads and draws its own colour; nothing drawn is leaked.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "browser_wnd.h"
#include "device_folder.h"
#include "device_services.h"
#include "image_painter.h"
#include "image_store.h"
#include "message_recorder.h"
#include "robust_case_guard.h"

namespace {

// ---- building .bmp files ----------------------------------------------------

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

struct Bmp {
  char magic[2] = {'B', 'M'};
  uint32_t headerSize = 40;  // 12: the old core header
  int32_t width = 8;
  int32_t height = 8;
  uint16_t planes = 1;
  uint16_t bpp = 24;
  uint32_t compression = BI_RGB;
  uint32_t sizeImage = 0;
  uint32_t clrUsed = 0;
  std::vector<uint32_t> masks;    // right after the header (bit fields)
  std::vector<uint32_t> palette;  // 0x00RRGGBB entries
  std::vector<uint8_t> pixels;
  long long offBits = -1;   // -1: right after header, masks and palette
  long long fileSize = -1;  // the header's bfSize; -1: the real size
  size_t cutTo = SIZE_MAX;  // the file ends here

  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> info;
    if (headerSize == 12) {
      Put32(info, 12);
      Put16(info, static_cast<uint32_t>(width));
      Put16(info, static_cast<uint32_t>(height));
      Put16(info, planes);
      Put16(info, bpp);
    } else {
      Put32(info, headerSize);
      Put32(info, static_cast<uint32_t>(width));
      Put32(info, static_cast<uint32_t>(height));
      Put16(info, planes);
      Put16(info, bpp);
      Put32(info, compression);
      Put32(info, sizeImage);
      Put32(info, 2835);
      Put32(info, 2835);
      Put32(info, clrUsed);
      Put32(info, 0);
      // Larger headers (V4, V5, or nonsense) are padded with zeros, up to
      // what fits a file of reasonable size.
      uint32_t pad = headerSize > 40 && headerSize < 4096 ? headerSize : 40;
      info.resize(pad, 0);
    }
    for (uint32_t m : masks) Put32(info, m);
    for (uint32_t c : palette) {
      info.push_back(static_cast<uint8_t>(c));
      info.push_back(static_cast<uint8_t>(c >> 8));
      info.push_back(static_cast<uint8_t>(c >> 16));
      if (headerSize != 12) info.push_back(0);
    }
    std::vector<uint8_t> out;
    out.push_back(static_cast<uint8_t>(magic[0]));
    out.push_back(static_cast<uint8_t>(magic[1]));
    const size_t total = 14 + info.size() + pixels.size();
    Put32(out, fileSize >= 0 ? static_cast<uint32_t>(fileSize) : static_cast<uint32_t>(total));
    Put32(out, 0);
    Put32(out, offBits >= 0 ? static_cast<uint32_t>(offBits) : static_cast<uint32_t>(14 + info.size()));
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    if (cutTo < out.size()) out.resize(cutTo);
    return out;
  }
};

size_t Stride(int width, int bpp) { return ((static_cast<size_t>(width) * bpp + 31) / 32) * 4; }

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> out(size);
  for (size_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>(i * 7 + 3);
  return out;
}

std::vector<uint32_t> Grey(int entries) {
  std::vector<uint32_t> out;
  for (int i = 0; i < entries; ++i) {
    uint32_t g = static_cast<uint32_t>(entries > 1 ? i * 255 / (entries - 1) : 0);
    out.push_back(g << 16 | g << 8 | g);
  }
  return out;
}

Bmp Plain(int width, int height, int bpp) {
  Bmp b;
  b.width = width;
  b.height = height;
  b.bpp = static_cast<uint16_t>(bpp);
  if (bpp <= 8) b.palette = Grey(1 << bpp);
  b.pixels = Pattern(Stride(width, bpp) * static_cast<size_t>(height < 0 ? -height : height));
  return b;
}

// Run-length data: every row one colour index, then end of line; end of bitmap.
std::vector<uint8_t> Rle(int width, int height, bool fourBit) {
  std::vector<uint8_t> out;
  for (int y = 0; y < height; ++y) {
    for (int left = width; left > 0; left -= 255) {
      out.push_back(static_cast<uint8_t>(left > 255 ? 255 : left));
      out.push_back(fourBit ? 0x12 : static_cast<uint8_t>(y));
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(1);
  return out;
}

Bmp RleBmp(int width, int height, bool fourBit) {
  Bmp b;
  b.width = width;
  b.height = height;
  b.bpp = fourBit ? 4 : 8;
  b.compression = fourBit ? BI_RLE4 : BI_RLE8;
  b.palette = Grey(fourBit ? 16 : 256);
  b.pixels = Rle(width, height, fourBit);
  b.sizeImage = static_cast<uint32_t>(b.pixels.size());
  return b;
}

struct SkinCase {
  std::string name;
  std::vector<uint8_t> bytes;
  bool mustLoad;  // a good file of an unusual kind
};

struct SkinGroup {
  const char* name;
  std::vector<SkinCase> cases;
};

// The cases in groups, each group a test of its own, so that a file that
// brings the program down hides nothing of the other groups.
std::vector<SkinGroup> Groups() {
  std::vector<SkinGroup> groups;
  std::vector<SkinCase> c;
  auto group = [&groups, &c](const char* name) {
    groups.push_back({name, std::move(c)});
    c.clear();
  };
  auto add = [&c](const std::string& name, const Bmp& b) { c.push_back({name, b.Bytes(), false}); };
  auto good = [&c](const std::string& name, const Bmp& b) { c.push_back({name, b.Bytes(), true}); };
  auto raw = [&c](const std::string& name, std::vector<uint8_t> bytes) {
    c.push_back({name, std::move(bytes), false});
  };

  // Good files of every kind the format allows: they must load and draw.
  good("24 bpp", Plain(20, 10, 24));
  good("24 bpp top-down", Plain(20, -10, 24));
  good("1 bpp", Plain(20, 10, 1));
  good("4 bpp", Plain(20, 10, 4));
  good("8 bpp", Plain(20, 10, 8));
  good("16 bpp", Plain(20, 10, 16));
  good("32 bpp", Plain(20, 10, 32));
  {
    Bmp b = Plain(20, 10, 16);
    b.compression = BI_BITFIELDS;
    b.masks = {0xF800, 0x07E0, 0x001F};
    good("16 bpp bit fields 5-6-5", b);
  }
  {
    Bmp b = Plain(20, 10, 32);
    b.compression = BI_BITFIELDS;
    b.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    good("32 bpp bit fields", b);
  }
  good("RLE8", RleBmp(300, 10, false));
  good("RLE4", RleBmp(300, 10, true));
  {
    Bmp b = Plain(20, 10, 24);
    b.headerSize = 12;
    good("old core header", b);
  }
  {
    Bmp b = Plain(20, 10, 24);
    b.headerSize = 124;
    good("V5 header", b);
  }

  group("GoodFilesOfEveryKind");

  // Not a bitmap, or cut inside its headers.
  raw("empty file", {});
  raw("one byte", {'B'});
  raw("magic only", {'B', 'M'});
  add("file header only", [] { Bmp b = Plain(8, 8, 24); b.cutTo = 14; return b; }());
  add("info header cut at 20 bytes", [] { Bmp b = Plain(8, 8, 24); b.cutTo = 34; return b; }());
  add("info header cut one byte short", [] { Bmp b = Plain(8, 8, 24); b.cutTo = 53; return b; }());
  add("wrong magic XX", [] { Bmp b = Plain(8, 8, 24); b.magic[0] = 'X'; b.magic[1] = 'X'; return b; }());
  add("magic MB", [] { Bmp b = Plain(8, 8, 24); b.magic[0] = 'M'; b.magic[1] = 'B'; return b; }());
  add("magic BA (a bitmap array)", [] { Bmp b = Plain(8, 8, 24); b.magic[1] = 'A'; return b; }());
  raw("text file", std::vector<uint8_t>({'h', 'e', 'l', 'l', 'o', '\r', '\n'}));

  group("NotABitmapOrCutInItsHeaders");

  // Absurd sizes; the data is as long as the sizes or cut short.
  auto sized = [](int32_t w, int32_t h, int bpp) {
    Bmp b = Plain(8, 8, bpp);
    b.width = w;
    b.height = h;
    return b;
  };
  add("width 0", sized(0, 8, 24));
  add("height 0", sized(8, 0, 24));
  add("width 0 and height 0", sized(0, 0, 24));
  add("negative width", sized(-8, 8, 24));
  add("height INT_MIN", sized(8, INT_MIN, 24));
  add("width INT_MAX", sized(INT_MAX, 1, 24));
  add("height INT_MAX", sized(1, INT_MAX, 24));
  add("100000 x 100000", sized(100000, 100000, 24));
  add("65536 x 65536, 32 bpp", sized(65536, 65536, 32));
  add("16384 x 16384, 32 bpp, data of 8 x 8", sized(16384, 16384, 32));
  add("8000 x 8000, 24 bpp, data of 8 x 8", sized(8000, 8000, 24));
  add("40000 x 1, 1 bpp", sized(40000, 1, 1));

  group("AbsurdSizes");

  // Bit depths and planes that do not exist.
  for (int bpp : {0, 2, 3, 7, 64, 65535}) {
    Bmp b = Plain(8, 8, 24);
    b.bpp = static_cast<uint16_t>(bpp);
    add(std::to_string(bpp) + " bits per pixel", b);
  }
  add("0 planes", [] { Bmp b = Plain(8, 8, 24); b.planes = 0; return b; }());
  add("3 planes", [] { Bmp b = Plain(8, 8, 24); b.planes = 3; return b; }());

  group("BitDepthsAndPlanesThatDoNotExist");

  // Compressions the file does not match.
  add("bit fields without masks", [] { Bmp b = Plain(8, 8, 16); b.compression = BI_BITFIELDS; return b; }());
  add("bit fields on 8 bpp", [] { Bmp b = Plain(8, 8, 8); b.compression = BI_BITFIELDS; return b; }());
  add("JPEG compression, garbage data", [] { Bmp b = Plain(8, 8, 24); b.compression = BI_JPEG; return b; }());
  add("PNG compression, garbage data", [] { Bmp b = Plain(8, 8, 24); b.compression = BI_PNG; return b; }());
  add("compression 99", [] { Bmp b = Plain(8, 8, 24); b.compression = 99; return b; }());
  add("RLE8 on 24 bpp", [] { Bmp b = RleBmp(8, 8, false); b.bpp = 24; return b; }());
  add("RLE4 on 8 bpp", [] { Bmp b = RleBmp(8, 8, true); b.bpp = 8; return b; }());

  group("CompressionsTheDataDoesNotMatch");

  // Palettes too short, too long, or beyond the file.
  add("8 bpp with a palette of 2", [] { Bmp b = Plain(8, 8, 8); b.palette = Grey(2); return b; }());
  add("8 bpp, 300 colours used", [] { Bmp b = Plain(8, 8, 8); b.clrUsed = 300; return b; }());
  add("8 bpp, 0x7FFFFFFF colours used", [] { Bmp b = Plain(8, 8, 8); b.clrUsed = 0x7FFFFFFF; return b; }());
  add("4 bpp, 0x40000000 colours used", [] { Bmp b = Plain(8, 8, 4); b.clrUsed = 0x40000000; return b; }());
  add("palette beyond the end of the file", [] { Bmp b = Plain(8, 8, 8); b.cutTo = 54 + 100; return b; }());
  add("1 bpp without a palette", [] { Bmp b = Plain(8, 8, 1); b.palette.clear(); return b; }());

  group("PalettesTooShortOrTooLong");

  // Where the pixels are said to start.
  add("pixels start beyond the end", [] { Bmp b = Plain(8, 8, 24); b.offBits = 1 << 20; return b; }());
  add("pixels start at 0", [] { Bmp b = Plain(8, 8, 24); b.offBits = 0; return b; }());
  add("pixels start inside the header", [] { Bmp b = Plain(8, 8, 24); b.offBits = 10; return b; }());
  add("pixels start at 0xFFFFFFFF", [] { Bmp b = Plain(8, 8, 24); b.offBits = 0xFFFFFFFFll; return b; }());

  group("PixelsStartingAnywhere");

  // Pixel data cut short.
  add("24 bpp 100 x 100 with one row", [] { Bmp b = Plain(100, 100, 24); b.cutTo = 54 + Stride(100, 24); return b; }());
  add("24 bpp cut inside a row", [] { Bmp b = Plain(100, 100, 24); b.cutTo = 54 + 7; return b; }());
  add("32 bpp with half its data", [] { Bmp b = Plain(64, 64, 32); b.cutTo = 54 + 64 * 64 * 2; return b; }());
  add("8 bpp with no pixels", [] { Bmp b = Plain(64, 64, 8); b.pixels.clear(); return b; }());

  group("PixelDataCutShort");

  // Header sizes.
  for (uint32_t size : {0u, 1u, 16u, 41u, 200u, 0xFFFFFFFFu}) {
    Bmp b = Plain(8, 8, 24);
    b.headerSize = size;
    add("header size " + std::to_string(size), b);
  }
  add("file size says 0", [] { Bmp b = Plain(8, 8, 24); b.fileSize = 0; return b; }());
  add("file size says 4 GB", [] { Bmp b = Plain(8, 8, 24); b.fileSize = 0xFFFFFFFFll; return b; }());

  group("OddHeaderAndFileSizes");

  // Run-length data that lies.
  {
    Bmp b = RleBmp(8, 8, false);
    b.pixels = {255, 7, 0, 0, 255, 7, 0, 1};  // runs longer than the row
    add("RLE8 run longer than the row", b);
  }
  {
    Bmp b = RleBmp(8, 8, false);
    b.pixels = {0, 2, 200, 200, 4, 1, 0, 1};  // a delta far beyond the bitmap
    add("RLE8 delta beyond the bitmap", b);
  }
  {
    Bmp b = RleBmp(8, 8, false);
    b.pixels = {0, 250, 1, 2, 3};  // absolute run of 250 with 3 bytes left
    add("RLE8 absolute run past the data", b);
  }
  {
    Bmp b = RleBmp(8, 8, false);
    b.pixels = {8, 1, 0, 0, 8, 2};  // no end of bitmap
    add("RLE8 without an end", b);
  }
  {
    Bmp b = RleBmp(8, 8, false);
    b.sizeImage = 0x40000000;
    add("RLE8 claiming 1 GB of data", b);
  }
  {
    Bmp b = RleBmp(8, 8, false);
    b.pixels.clear();
    b.sizeImage = 0;
    add("RLE8 with no data", b);
  }
  {
    Bmp b = RleBmp(8, -8, false);
    add("RLE8 top-down", b);
  }
  {
    Bmp b = RleBmp(8, 8, true);
    b.pixels = {255, 0x12, 0, 0, 0, 1};
    add("RLE4 run longer than the row", b);
  }
  {
    Bmp b = RleBmp(8, 8, true);
    b.pixels = {0, 200, 0x12};
    add("RLE4 absolute run past the data", b);
  }
  {
    Bmp b = RleBmp(8, 8, true);
    b.pixels = {0, 2, 255, 255, 0, 1};
    add("RLE4 delta beyond the bitmap", b);
  }
  group("RunLengthDataThatLies");
  return groups;
}

// ---- the device --------------------------------------------------------------

const wchar_t* const kNames[8] = {L"bg_caution.bmp",      L"BB_popup.bmp",        L"btn_cau_yes_nor.bmp",
                                  L"btn_cau_yes_hot.bmp", L"btn_cau_yes_dis.bmp", L"btn_cau_no_nor.bmp",
                                  L"btn_cau_no_hot.bmp",  L"btn_cau_no_dis.bmp"};

// The good file of each id: 16 x 16, one colour of its own.
COLORREF GoodColour(int id) { return RGB(20 + 25 * id, 200 - 20 * id, 60 + 10 * id); }

std::vector<uint8_t> GoodFile(int id) {
  Bmp b = Plain(16, 16, 24);
  COLORREF c = GoodColour(id);
  for (size_t i = 0; i + 2 < b.pixels.size(); i += 3) {
    b.pixels[i] = GetBValue(c);
    b.pixels[i + 1] = GetGValue(c);
    b.pixels[i + 2] = GetRValue(c);
  }
  return b.Bytes();
}

bool WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::vector<std::wstring> g_lines;
void CollectLine(LPCWSTR line) { g_lines.push_back(line); }

int g_paints = 0;
void CountPaint(HWND /*window*/) { ++g_paints; }

// A 64 x 64 surface of known pixels to draw into.
class Surface {
 public:
  Surface() {
    m_dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 64;
    info.bmiHeader.biHeight = -64;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_old = SelectObject(m_dc.m_hDC, m_bitmap);
  }
  ~Surface() {
    SelectObject(m_dc.m_hDC, m_old);
    DeleteObject(m_bitmap);
  }
  CDC* dc() { return &m_dc; }
  void Fill(COLORREF c) { m_dc.FillSolidRect(0, 0, 64, 64, c); }
  COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }

 private:
  CDC m_dc;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
};

class BadSkinFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    RobustCaseGuard::Install();
    ASSERT_TRUE(device.ok());
    device.Clear();
    ASSERT_TRUE(MakeFolders(device.ImageFolder()));
    device.MakeCurrent();
    ASSERT_TRUE(window.CreateRecorder(L"robust skin files"));
    TestThread().m_pMainWnd = &window;
    SetDebugLineSink(CollectLine);
    // The first load makes the component's back buffer, which stays.
    std::unique_ptr<ScreenDefinition> def(new ScreenDefinition);
    std::memset(def.get(), 0, sizeof *def);
    browser.LoadDefinition(*def);
  }
  void TearDown() override {
    RobustCaseGuard::Leave();
    SetDebugLineSink(nullptr);
    if (browser.m_hWnd != nullptr) browser.DestroyWindow();
    window.DestroyWindow();
    TestThread().m_pMainWnd = nullptr;
    device.Clear();
  }
  std::string RunCase(const SkinCase& c, int badId);

  DeviceFolder device;
  CRecorderWnd window;
  CBrowserWnd browser;
};

std::string BadSkinFiles::RunCase(const SkinCase& c, int badId) {
  for (int id = 0; id < 8; ++id) {
    std::wstring path = device.ImageFolder() + L"\\" + kNames[id];
    if (!WriteBytes(path, id == badId ? c.bytes : GoodFile(id))) return "cannot write the skin files";
  }
  const AfxGdiCounters before = AfxGetGdiCounters();
  std::unique_ptr<CImagePainter> painter(new CImagePainter);
  g_lines.clear();
  painter->LoadImages();

  std::string failure;
  auto fail = [&failure](const std::string& what) {
    if (failure.empty()) failure = what;
  };
  // The rows: the good ones loaded, the bad one empty (and reported) or a
  // bitmap that can be asked its size.
  const std::wstring badPath = std::wstring(L"\\ResidentFlash\\System\\Images\\MainMenu\\") + kNames[badId];
  const HBITMAP badBitmap = CImageStore::Find(badId)->bitmap;
  if (c.mustLoad && badBitmap == nullptr) fail("a good file of this kind did not load");
  for (int id = 0; id < 8; ++id) {
    HBITMAP bitmap = CImageStore::Find(id)->bitmap;
    BITMAP bm = {};
    if (id != badId) {
      if (bitmap == nullptr || GetObjectW(bitmap, sizeof bm, &bm) == 0 || bm.bmWidth != 16 || bm.bmHeight != 16) {
        fail("the good image " + std::to_string(id) + " did not load as 16 x 16");
      }
    } else if (bitmap != nullptr && GetObjectW(bitmap, sizeof bm, &bm) == 0) {
      fail("the bad image's row holds something that is not a bitmap");
    }
  }
  std::vector<std::wstring> expectedLines;
  if (badBitmap == nullptr) expectedLines.push_back(L"Image not found: " + badPath + L"\r\n");
  if (g_lines != expectedLines) {
    fail("debug lines: " + std::to_string(g_lines.size()) + " written, " + std::to_string(expectedLines.size()) +
         " expected" + (g_lines.empty() ? "" : " (first: " + ::testing::PrintToString(g_lines[0]) + ")"));
  }

  // Every drawing operation on every id, plain and with a colour key.
  {
  Surface surface;
  for (int id = 0; id < 8; ++id) {
    for (int keyed = 0; keyed < 2; ++keyed) {
      painter->SetTransparency(keyed, RGB(255, 0, 255));
      surface.Fill(RGB(1, 1, 1));
      painter->DrawImage(surface.dc(), id);
      painter->DrawImageAt(surface.dc(), id, 3, 3);
      painter->DrawImageRop(surface.dc(), id, -5, -5, SRCCOPY);
      painter->DrawImageSized(surface.dc(), id, 10, 10, 40, 40, SRCCOPY);
      painter->DrawImagePart(surface.dc(), id, 20, 20, 30, 30, 2, 2, SRCCOPY);
      painter->DrawImageFrame(surface.dc(), id, 3, 1, 40, 40, SRCCOPY);
      painter->DrawImageFrame(surface.dc(), id, 1, 0, -1, 5, SRCCOPY);
      if (id != badId && surface.At(5, 5) != GoodColour(id)) {
        fail("the good image " + std::to_string(id) + " did not draw its colour");
      }
    }
  }
  }
  painter->SetTransparency(FALSE, 0);

  // A live component: the bad image as the background and in a slot, a
  // good one as a button.
  const int goodId = (badId + 1) % 8;
  std::unique_ptr<ScreenDefinition> def(new ScreenDefinition);
  std::memset(def.get(), 0, sizeof *def);
  def->painter = painter.get();
  def->paintCallback = CountPaint;
  def->backgroundImage = badId;
  def->buttons[0].shown = 1;
  def->buttons[0].x = 100;
  def->buttons[0].y = 100;
  def->buttons[0].normalImages[0] = goodId;
  def->imageSlots[0].shown = 1;
  def->imageSlots[0].image = badId;
  def->imageSlots[0].x = 300;
  def->imageSlots[0].frameCount = 2;
  def->listEnabled = 1;
  def->listActive = 1;
  def->listImage = -1;  // the list's background comes from the bad image
  def->listX = 400;
  def->listY = 100;
  def->listWidth = 100;
  def->listHeight = 100;
  browser.LoadDefinition(*def);
  if (browser.m_hWnd == nullptr && !browser.Create(&window, 0, 0, 800, 480, 1001)) {
    return "the component's window could not be made";
  }
  PumpMessages(50);
  g_paints = 0;
  browser.Invalidate(FALSE);
  browser.UpdateWindow();
  if (g_paints != 1 || browser.painting) fail("the paint did not run to its end");
  if (g_backBuffer.GetPixel(105, 105) != GoodColour(goodId)) fail("the good button did not draw");

  painter.reset();  // releases every bitmap
  for (int id = 0; id < 8; ++id) {
    if (CImageStore::Find(id)->bitmap != nullptr) fail("image " + std::to_string(id) + " was not released");
  }
  const AfxGdiCounters after = AfxGetGdiCounters();
  if (after.dcsCreated - after.dcsDeleted != before.dcsCreated - before.dcsDeleted ||
      after.objectsCreated - after.objectsDeleted != before.objectsCreated - before.objectsDeleted) {
    fail("drawing did not give back every DC and object it made");
  }
  return failure;
}

class BadSkinFileGroup : public BadSkinFiles, public ::testing::WithParamInterface<int> {};

TEST_P(BadSkinFileGroup, OnlyTheBadImageStaysUndrawnAndNothingCrashes) {
  const SkinGroup group = Groups()[static_cast<size_t>(GetParam())];
  int bitmaps = 0;
  for (size_t i = 0; i < group.cases.size(); ++i) {
    const SkinCase& c = group.cases[i];
    const int badId = static_cast<int>(i % 8);
    const std::string name = "skin file \"" + c.name + "\" as image " + std::to_string(badId);
    RobustCaseGuard::Enter(name, 15000);
    std::string failure = RunCase(c, badId);
    RobustCaseGuard::Leave();
    EXPECT_EQ("", failure) << name;
    bitmaps += g_lines.empty() ? 1 : 0;
  }
  std::printf("%s: %u files, %d of them gave a bitmap\n", group.name,
              static_cast<unsigned>(group.cases.size()), bitmaps);
}

INSTANTIATE_TEST_SUITE_P(Skins, BadSkinFileGroup, ::testing::Range(0, static_cast<int>(Groups().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(Groups()[static_cast<size_t>(info.param)].name);
                         });

}  // namespace
