// The image table, the store's loading, lookup and release, and the painter's
// copies, checked pixel by pixel on a memory surface.
//
// The images are loaded from root-relative paths, so the program works on a
// drive of its own, given as --drive=X: its root gets the image folder with
// small 24-bit BMP files whose every pixel is known.

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "afx_dc.h"
#include "afx_gdi.h"
#include "device_services.h"
#include "image_painter.h"
#include "image_store.h"

namespace {

wchar_t g_drive = 0;  // from --drive=X

const wchar_t kFolder[] = L"\\ResidentFlash\\System\\Images\\MainMenu\\";
const wchar_t* const kFolders[] = {
    L"\\ResidentFlash",
    L"\\ResidentFlash\\System",
    L"\\ResidentFlash\\System\\Images",
    L"\\ResidentFlash\\System\\Images\\MainMenu",
};

// The names the device's image folder holds, in id order.
const wchar_t* const kNames[8] = {
    L"bg_caution.bmp",      L"BB_popup.bmp",       L"btn_cau_yes_nor.bmp", L"btn_cau_yes_hot.bmp",
    L"btn_cau_yes_dis.bmp", L"btn_cau_no_nor.bmp", L"btn_cau_no_hot.bmp",  L"btn_cau_no_dis.bmp",
};

// Fixture sizes: 0 is a 300-px strip, 1 an odd 301-px one (rows padded),
// 2 holds colour-key pixels, the rest have odd sizes of their own so that a
// row holding another row's file shows.
struct ImageSize {
  int width, height;
};
const ImageSize kSizes[8] = {{300, 12}, {301, 12}, {20, 10}, {12, 7},
                             {13, 8},   {14, 9},   {15, 10}, {16, 11}};

const COLORREF kKey = RGB(255, 0, 255);
const int kKeyedImage = 2;

// Every pixel of every fixture differs from every other and from the
// background (blue 0x80 and up against 0x10..0x13); only image 2 has key pixels.
COLORREF ImagePixel(int id, int x, int y) {
  if (id == kKeyedImage && (x + 2 * y) % 5 == 0) return kKey;
  return RGB(x & 0xFF, ((x >> 8) << 6) | y, 0x80 + id * 8);
}

// A background with structure, so that "left as it was" cannot pass by luck.
COLORREF BackgroundPixel(int x, int y) {
  return RGB((x * 7) & 0xFF, (y * 13) & 0xFF, 0x10 + (x + y) % 4);
}

COLORREF Inverted(COLORREF c) { return ~c & 0x00FFFFFF; }

std::wstring ImagePath(int id) { return std::wstring(kFolder) + kNames[id]; }

bool WriteFileBytes(const std::wstring& path, const void* data, DWORD size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, data, size, &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

// A bottom-up 24-bit BI_RGB file, rows padded to four bytes.
bool WriteImage(int id) {
  const int w = kSizes[id].width, h = kSizes[id].height;
  const int stride = (w * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = stride * h;
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::vector<BYTE> bytes(file.bfSize, 0);
  memcpy(&bytes[0], &file, sizeof file);
  memcpy(&bytes[sizeof file], &info, sizeof info);
  for (int y = 0; y < h; ++y) {
    BYTE* row = &bytes[file.bfOffBits + (h - 1 - y) * stride];
    for (int x = 0; x < w; ++x) {
      COLORREF c = ImagePixel(id, x, y);
      row[x * 3 + 0] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }
  return WriteFileBytes(ImagePath(id), bytes.data(), static_cast<DWORD>(bytes.size()));
}

void CreateImageFolder() {
  for (const wchar_t* folder : kFolders) CreateDirectoryW(folder, nullptr);
}

void RemoveImageFolder() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((std::wstring(kFolder) + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW((std::wstring(kFolder) + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  for (int i = 3; i >= 0; --i) RemoveDirectoryW(kFolders[i]);
}

std::vector<std::wstring> g_debugLines;
void CollectDebugLine(LPCWSTR line) { g_debugLines.push_back(line); }

std::wstring NotFoundLine(int id) { return L"Image not found: " + ImagePath(id) + L"\r\n"; }

// A 32-bit top-down DIB section in a memory DC, filled with the background;
// its pixels are read straight from the section's memory.
class Surface {
 public:
  static const int kWidth = 400;
  static const int kHeight = 32;

  Surface() {
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc.m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<DWORD*>(bits);
    replaced_ = dc.SelectObject(bitmap_);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) Set(x, y, BackgroundPixel(x, y));
  }
  ~Surface() {
    dc.SelectObject(replaced_);
    dc.DeleteDC();
    DeleteObject(bitmap_);
  }
  bool Ready() const { return dc.m_hDC != nullptr && bits_ != nullptr; }

  COLORREF At(int x, int y) const {
    GdiFlush();
    DWORD p = bits_[y * kWidth + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  CDC dc;

 private:
  void Set(int x, int y, COLORREF c) {
    bits_[y * kWidth + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  }
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ replaced_ = nullptr;
  DWORD* bits_ = nullptr;
};

// What a copy of imageId's rectangle (xSrc, ySrc, w x h) to (x, y) should
// leave: the image inside (key pixels kept from the background when keyed),
// the background everywhere else. w == 0 means nothing is drawn.
struct ExpectedCopy {
  int imageId;
  int x, y, w, h;
  int xSrc, ySrc;
  bool inverted;  // drawn with NOTSRCCOPY
  bool keyed;     // the colour key is on
};

COLORREF ExpectedPixel(const ExpectedCopy& e, int x, int y) {
  if (e.w > 0 && x >= e.x && x < e.x + e.w && y >= e.y && y < e.y + e.h) {
    COLORREF src = ImagePixel(e.imageId, x - e.x + e.xSrc, y - e.y + e.ySrc);
    if (e.keyed && src == kKey) return BackgroundPixel(x, y);
    return e.inverted ? Inverted(src) : src;
  }
  return BackgroundPixel(x, y);
}

::testing::AssertionResult SurfaceHolds(const Surface& surface, const ExpectedCopy& e) {
  int wrong = 0;
  std::ostringstream out;
  for (int y = 0; y < Surface::kHeight; ++y) {
    for (int x = 0; x < Surface::kWidth; ++x) {
      COLORREF want = ExpectedPixel(e, x, y), got = surface.At(x, y);
      if (want == got) continue;
      if (++wrong <= 6)
        out << "\n  (" << x << "," << y << ") is 0x" << std::hex << got << ", expected 0x" << want
            << std::dec;
    }
  }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong << " pixels differ:" << out.str();
}

// Works on the drive given on the command line, with the image folder absent
// at the start of every test and removed again at its end.
class ImageDriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(g_drive, 0) << "images_test needs a drive of its own: run it with --drive=X";
    const wchar_t root[] = {g_drive, L':', L'\\', 0};
    ASSERT_NE(GetDriveTypeW(root), static_cast<UINT>(DRIVE_NO_ROOT_DIR))
        << "drive " << static_cast<char>(g_drive)
        << ": is not mapped; map it to an empty folder first (wine_env_map_device_pool)";
    ASSERT_TRUE(SetCurrentDirectoryW(root))
        << "cannot make " << static_cast<char>(g_drive) << ":\\ the current directory";
    RemoveImageFolder();
    g_debugLines.clear();
    SetDebugLineSink(CollectDebugLine);
  }
  void TearDown() override {
    SetDebugLineSink(nullptr);
    RemoveImageFolder();
  }

  void WriteAllImages() {
    CreateImageFolder();
    for (int id = 0; id < 8; ++id) ASSERT_TRUE(WriteImage(id)) << "cannot write image " << id;
  }
};

using ImageStoreTest = ImageDriveTest;

TEST(ImageTableTest, RowsHoldTheImageNamesAndOnlyTheirIdsAreFound) {
  for (int id = 0; id < 8; ++id) {
    const ImageEntry* entry = CImageStore::Find(id);
    ASSERT_NE(entry, nullptr) << "id " << id;
    EXPECT_EQ(entry->id, id);
    EXPECT_STREQ(entry->fileName, kNames[id]) << "id " << id;
    EXPECT_EQ(entry->x, 0) << "id " << id;
    EXPECT_EQ(entry->y, 0) << "id " << id;
  }
  // The terminator holds -1 itself, yet is never a match.
  EXPECT_EQ(g_imageTable[8].id, -1);
  EXPECT_STREQ(g_imageTable[8].fileName, L"");
  for (int id : {-1, -2, 8, 9, INT_MIN, INT_MAX})
    EXPECT_EQ(CImageStore::Find(id), nullptr) << "id " << id;
}

TEST_F(ImageStoreTest, AbsentFolderLeavesEveryRowEmptyAndLogsEachPathInTableOrder) {
  CImagePainter painter;
  EXPECT_TRUE(painter.LoadImages());
  std::vector<std::wstring> expected;
  for (int id = 0; id < 8; ++id) {
    EXPECT_EQ(g_imageTable[id].bitmap, nullptr) << "id " << id;
    expected.push_back(NotFoundLine(id));
  }
  EXPECT_EQ(g_debugLines, expected);

  // With nothing loaded every image draws nothing.
  Surface surface;
  ASSERT_TRUE(surface.Ready());
  for (int id = 0; id < 8; ++id) {
    painter.DrawImage(&surface.dc, id);
    painter.DrawImagePart(&surface.dc, id, 0, 0, 10, 10, 0, 0, SRCCOPY);
    painter.DrawImageFrame(&surface.dc, id, 1, 0, 0, 0, SRCCOPY);
  }
  EXPECT_TRUE(SurfaceHolds(surface, ExpectedCopy{}));
}

TEST_F(ImageStoreTest, MissingOrUnreadableFileEmptiesOnlyItsRow) {
  WriteAllImages();
  // Row 3 has no file, row 5 a file that is no bitmap; the rows around and
  // after them must still load, each its own file.
  ASSERT_TRUE(DeleteFileW(ImagePath(3).c_str()));
  const char garbage[] = "this is not a bitmap file at all";
  ASSERT_TRUE(WriteFileBytes(ImagePath(5), garbage, sizeof garbage));

  CImagePainter painter;
  EXPECT_TRUE(painter.LoadImages());
  for (int id = 0; id < 8; ++id) {
    if (id == 3 || id == 5) {
      EXPECT_EQ(g_imageTable[id].bitmap, nullptr) << "id " << id;
      continue;
    }
    ASSERT_NE(g_imageTable[id].bitmap, nullptr) << "id " << id;
    BITMAP bm = {};
    ASSERT_NE(GetObjectW(g_imageTable[id].bitmap, sizeof bm, &bm), 0) << "id " << id;
    EXPECT_EQ(bm.bmWidth, kSizes[id].width) << "id " << id;
    EXPECT_EQ(bm.bmHeight, kSizes[id].height) << "id " << id;
  }
  EXPECT_EQ(g_debugLines, (std::vector<std::wstring>{NotFoundLine(3), NotFoundLine(5)}));
}

TEST_F(ImageStoreTest, ReleaseDeletesEveryBitmapAndEmptiesEveryRow) {
  WriteAllImages();
  HBITMAP loaded[8] = {};
  {
    CImagePainter painter;
    painter.LoadImages();
    for (int id = 0; id < 8; ++id) {
      loaded[id] = g_imageTable[id].bitmap;
      ASSERT_EQ(GetObjectType(loaded[id]), static_cast<DWORD>(OBJ_BITMAP)) << "id " << id;
    }
  }
  for (int id = 0; id < 8; ++id) {
    EXPECT_EQ(g_imageTable[id].bitmap, nullptr) << "id " << id;
    EXPECT_EQ(GetObjectType(loaded[id]), 0u) << "bitmap of id " << id << " still exists";
  }
  EXPECT_EQ(g_imageTable[8].bitmap, nullptr);
}

// All eight fixtures loaded into one painter.
class ImagePainterTest : public ImageDriveTest {
 protected:
  void SetUp() override {
    ImageDriveTest::SetUp();
    if (HasFatalFailure()) return;
    WriteAllImages();
    if (HasFatalFailure()) return;
    painter_.LoadImages();
    ASSERT_TRUE(g_debugLines.empty()) << "a fixture did not load";
  }
  CImagePainter painter_;
};

// What the store's target DC holds after a draw: the drawing ops up to
// DrawImageSized record the dc they draw into (null for none), the others
// leave it as it was.
enum TargetAfter { kThisDc, kNullDc, kUntouched };

struct DrawCase {
  const char* what;
  void (*draw)(CImagePainter& painter, CDC* dc);
  ExpectedCopy copy;
  TargetAfter target;
};

CDC g_noHandle;  // a wrapper without a device context

const DrawCase kDrawCases[] = {
    {"DrawImage: whole image at its default position",
     [](CImagePainter& p, CDC* dc) { p.DrawImage(dc, 0); },
     {0, 0, 0, 300, 12, 0, 0, false, false},
     kThisDc},
    {"DrawImageAt: whole image at (17, 9)",
     [](CImagePainter& p, CDC* dc) { p.DrawImageAt(dc, 3, 17, 9); },
     {3, 17, 9, 12, 7, 0, 0, false, false},
     kThisDc},
    {"DrawImageRop SRCCOPY",
     [](CImagePainter& p, CDC* dc) { p.DrawImageRop(dc, 4, 5, 2, SRCCOPY); },
     {4, 5, 2, 13, 8, 0, 0, false, false},
     kThisDc},
    {"DrawImageRop NOTSRCCOPY: the raster operation is used",
     [](CImagePainter& p, CDC* dc) { p.DrawImageRop(dc, 5, 40, 3, NOTSRCCOPY); },
     {5, 40, 3, 14, 9, 0, 0, true, false},
     kThisDc},
    {"DrawImageSized: 40 x 6 from the top-left corner",
     [](CImagePainter& p, CDC* dc) { p.DrawImageSized(dc, 0, 10, 5, 40, 6, SRCCOPY); },
     {0, 10, 5, 40, 6, 0, 0, false, false},
     kThisDc},
    {"DrawImagePart: 25 x 7 from (100, 2)",
     [](CImagePainter& p, CDC* dc) { p.DrawImagePart(dc, 0, 3, 4, 25, 7, 100, 2, SRCCOPY); },
     {0, 3, 4, 25, 7, 100, 2, false, false},
     kUntouched},
    {"DrawImagePart NOTSRCCOPY from the odd strip",
     [](CImagePainter& p, CDC* dc) { p.DrawImagePart(dc, 1, 50, 1, 30, 5, 260, 6, NOTSRCCOPY); },
     {1, 50, 1, 30, 5, 260, 6, true, false},
     kUntouched},
    {"DrawImageFrame: frame 2 of 4 of a 300-px strip is columns 150..224",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 0, 4, 2, 20, 6, SRCCOPY); },
     {0, 20, 6, 75, 12, 150, 0, false, false},
     kUntouched},
    {"DrawImageFrame: a 301-px strip still has 75-px frames, column 300 never drawn",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 1, 4, 3, 0, 0, SRCCOPY); },
     {1, 0, 0, 75, 12, 225, 0, false, false},
     kUntouched},
    {"DrawImageFrame: x -1 puts both coordinates at the default position",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 0, 4, 1, -1, 50, SRCCOPY); },
     {0, 0, 0, 75, 12, 75, 0, false, false},
     kUntouched},
    {"DrawImageFrame: y -1 puts both coordinates at the default position",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 0, 4, 3, 30, -1, SRCCOPY); },
     {0, 0, 0, 75, 12, 225, 0, false, false},
     kUntouched},
    {"DrawImageFrame: one frame is the whole image",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 3, 1, 0, 7, 7, SRCCOPY); },
     {3, 7, 7, 12, 7, 0, 0, false, false},
     kUntouched},
    {"DrawImageFrame NOTSRCCOPY: second of two 150-px frames",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 1, 2, 1, 100, 10, NOTSRCCOPY); },
     {1, 100, 10, 150, 12, 150, 0, true, false},
     kUntouched},
    // Nothing drawn.
    {"DrawImageAt with id 8",
     [](CImagePainter& p, CDC* dc) { p.DrawImageAt(dc, 8, 0, 0); },
     {},
     kThisDc},
    {"DrawImage with id -1", [](CImagePainter& p, CDC* dc) { p.DrawImage(dc, -1); }, {}, kThisDc},
    {"DrawImagePart with id 8",
     [](CImagePainter& p, CDC* dc) { p.DrawImagePart(dc, 8, 0, 0, 10, 10, 0, 0, SRCCOPY); },
     {},
     kUntouched},
    {"DrawImageFrame with frame count 0",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 0, 0, 0, 0, 0, SRCCOPY); },
     {},
     kUntouched},
    {"DrawImageFrame with frame count -2",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 0, -2, 0, 0, 0, SRCCOPY); },
     {},
     kUntouched},
    {"DrawImageFrame with index 4 of 4",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 0, 4, 4, 0, 0, SRCCOPY); },
     {},
     kUntouched},
    {"DrawImageFrame with index -1",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 0, 4, -1, 0, 0, SRCCOPY); },
     {},
     kUntouched},
    {"DrawImage into a null dc",
     [](CImagePainter& p, CDC* /*dc*/) { p.DrawImage(nullptr, 0); },
     {},
     kNullDc},
    {"DrawImageSized into a wrapper without a handle",
     [](CImagePainter& p, CDC* /*dc*/) { p.DrawImageSized(&g_noHandle, 0, 0, 0, 9, 9, SRCCOPY); },
     {},
     kNullDc},
    {"DrawImagePart into a null dc",
     [](CImagePainter& p, CDC* /*dc*/) { p.DrawImagePart(nullptr, 0, 0, 0, 9, 9, 0, 0, SRCCOPY); },
     {},
     kUntouched},
    {"DrawImageFrame into a null dc",
     [](CImagePainter& p, CDC* /*dc*/) { p.DrawImageFrame(nullptr, 0, 4, 0, 0, 0, SRCCOPY); },
     {},
     kUntouched},
};

HDC const kOtherDc = reinterpret_cast<HDC>(static_cast<UINT_PTR>(0x5A5A));

TEST_F(ImagePainterTest, EachCopyLandsWhereAskedAndNothingElseChanges) {
  for (const DrawCase& c : kDrawCases) {
    SCOPED_TRACE(c.what);
    Surface surface;
    ASSERT_TRUE(surface.Ready());
    painter_.m_store.targetDC = kOtherDc;
    const AfxGdiCounters before = AfxGetGdiCounters();

    c.draw(painter_, &surface.dc);

    EXPECT_TRUE(SurfaceHolds(surface, c.copy));
    HDC expectedTarget = c.target == kThisDc   ? surface.dc.m_hDC
                         : c.target == kNullDc ? nullptr
                                               : kOtherDc;
    EXPECT_EQ(painter_.m_store.targetDC, expectedTarget);
    // One memory DC per copy, given back at its end.
    const AfxGdiCounters& after = AfxGetGdiCounters();
    EXPECT_EQ(after.dcsCreated - before.dcsCreated, c.copy.w > 0 ? 1 : 0);
    EXPECT_EQ(after.dcsDeleted - before.dcsDeleted, after.dcsCreated - before.dcsCreated);
  }
}

TEST_F(ImagePainterTest, DefaultPositionIsTheRowsOwn) {
  // Every row of the device's table sits at (0, 0); move one to see that the
  // position is read from the row.
  struct Restore {
    ~Restore() { g_imageTable[3].x = g_imageTable[3].y = 0; }
  } restore;
  g_imageTable[3].x = 21;
  g_imageTable[3].y = 5;
  const ExpectedCopy atDefault = {3, 21, 5, 12, 7, 0, 0, false, false};
  {
    Surface surface;
    ASSERT_TRUE(surface.Ready());
    painter_.DrawImage(&surface.dc, 3);
    EXPECT_TRUE(SurfaceHolds(surface, atDefault)) << "DrawImage";
  }
  for (POINT asked : {POINT{-1, 9}, POINT{9, -1}, POINT{-1, -1}}) {
    Surface surface;
    ASSERT_TRUE(surface.Ready());
    painter_.DrawImageFrame(&surface.dc, 3, 1, 0, asked.x, asked.y, SRCCOPY);
    EXPECT_TRUE(SurfaceHolds(surface, atDefault))
        << "DrawImageFrame at (" << asked.x << ", " << asked.y << ")";
  }
}

struct KeyedCase {
  const char* what;
  void (*draw)(CImagePainter& painter, CDC* dc);
  ExpectedCopy copy;
};

// Image 2 is 20 x 10 with key pixels scattered over it.
const KeyedCase kKeyedCases[] = {
    {"DrawImagePart SRCCOPY",
     [](CImagePainter& p, CDC* dc) { p.DrawImagePart(dc, 2, 30, 4, 16, 8, 3, 1, SRCCOPY); },
     {2, 30, 4, 16, 8, 3, 1, false, true}},
    {"DrawImagePart NOTSRCCOPY",
     [](CImagePainter& p, CDC* dc) { p.DrawImagePart(dc, 2, 30, 4, 16, 8, 3, 1, NOTSRCCOPY); },
     {2, 30, 4, 16, 8, 3, 1, false, true}},
    {"DrawImagePart BLACKNESS",
     [](CImagePainter& p, CDC* dc) { p.DrawImagePart(dc, 2, 30, 4, 16, 8, 3, 1, BLACKNESS); },
     {2, 30, 4, 16, 8, 3, 1, false, true}},
    {"DrawImagePart SRCAND",
     [](CImagePainter& p, CDC* dc) { p.DrawImagePart(dc, 2, 30, 4, 16, 8, 3, 1, SRCAND); },
     {2, 30, 4, 16, 8, 3, 1, false, true}},
    {"DrawImageAt",
     [](CImagePainter& p, CDC* dc) { p.DrawImageAt(dc, 2, 11, 13); },
     {2, 11, 13, 20, 10, 0, 0, false, true}},
    {"DrawImageSized",
     [](CImagePainter& p, CDC* dc) { p.DrawImageSized(dc, 2, 0, 0, 7, 9, SRCCOPY); },
     {2, 0, 0, 7, 9, 0, 0, false, true}},
    {"DrawImageFrame, second of two frames",
     [](CImagePainter& p, CDC* dc) { p.DrawImageFrame(dc, 2, 2, 1, 60, 20, NOTSRCCOPY); },
     {2, 60, 20, 10, 10, 10, 0, false, true}},
};

TEST_F(ImagePainterTest, ColourKeyLeavesTheTargetUnderKeyPixelsWhateverTheRop) {
  for (const KeyedCase& c : kKeyedCases) {
    SCOPED_TRACE(c.what);
    Surface surface;
    ASSERT_TRUE(surface.Ready());
    painter_.SetTransparency(TRUE, kKey);
    c.draw(painter_, &surface.dc);
    painter_.SetTransparency(FALSE, kKey);
    EXPECT_TRUE(SurfaceHolds(surface, c.copy));
  }
  // Switched off, the same key colour is copied like any other.
  Surface surface;
  ASSERT_TRUE(surface.Ready());
  painter_.DrawImagePart(&surface.dc, 2, 30, 4, 16, 8, 3, 1, SRCCOPY);
  EXPECT_TRUE(SurfaceHolds(surface, ExpectedCopy{2, 30, 4, 16, 8, 3, 1, false, false}));
}

TEST(ImagePainterStateTest, SetTransparencyStoresBothValuesWhateverEnableIs) {
  CImagePainter painter;
  EXPECT_EQ(painter.m_store.targetDC, nullptr);
  EXPECT_FALSE(painter.m_store.transparent);
  EXPECT_EQ(painter.m_store.transparentColor, 0u);

  painter.SetTransparency(FALSE, RGB(1, 2, 3));
  EXPECT_FALSE(painter.m_store.transparent);
  EXPECT_EQ(painter.m_store.transparentColor, RGB(1, 2, 3));
  painter.SetTransparency(TRUE, RGB(4, 5, 6));
  EXPECT_TRUE(painter.m_store.transparent);
  EXPECT_EQ(painter.m_store.transparentColor, RGB(4, 5, 6));
  // The two hooks without a job here leave the pair alone.
  painter.Reserved();
  painter.OnScreenLoaded();
  EXPECT_TRUE(painter.m_store.transparent);
  EXPECT_EQ(painter.m_store.transparentColor, RGB(4, 5, 6));
}

TEST_F(ImagePainterTest, BatchOfDrawsGivesBackEveryDcAndLeavesNoBitmapSelected) {
  Surface surface;
  ASSERT_TRUE(surface.Ready());
  const AfxGdiCounters before = AfxGetGdiCounters();
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int round = 0; round < 100; ++round) {
    for (const DrawCase& c : kDrawCases) c.draw(painter_, &surface.dc);
    painter_.SetTransparency(TRUE, kKey);
    for (const KeyedCase& c : kKeyedCases) c.draw(painter_, &surface.dc);
    painter_.SetTransparency(FALSE, kKey);
  }
  const AfxGdiCounters& after = AfxGetGdiCounters();
  EXPECT_GT(after.dcsCreated, before.dcsCreated);
  EXPECT_EQ(after.dcsCreated - before.dcsCreated, after.dcsDeleted - before.dcsDeleted);
  EXPECT_EQ(after.objectsCreated - before.objectsCreated,
            after.objectsDeleted - before.objectsDeleted);
  // Wine answers 0 here; on Windows this counts every GDI object, raw ones too.
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);

  // A bitmap still selected into some DC cannot be selected into another.
  for (int id = 0; id < 8; ++id) {
    CDC probe;
    ASSERT_TRUE(probe.CreateCompatibleDC(nullptr));
    HGDIOBJ replaced = probe.SelectObject(g_imageTable[id].bitmap);
    EXPECT_NE(replaced, nullptr) << "bitmap of id " << id << " is still selected somewhere";
    if (replaced != nullptr) probe.SelectObject(replaced);
  }
}

}  // namespace

// --drive=X names the drive whose root this program may fill; every other
// argument is GoogleTest's.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (strncmp(argv[i], "--drive=", 8) == 0 && argv[i][8] != '\0' && argv[i][9] == '\0')
      g_drive = static_cast<wchar_t>(toupper(static_cast<unsigned char>(argv[i][8])));
  }
  return RUN_ALL_TESTS();
}
