// skingen OUTDIR
//
// Draws the sample skin of the pop-up (the caution background, the black-box
// picture and the six caution button looks) with plain GDI and writes them to
// OUTDIR as uncompressed 24-bit bottom-up BMP files, the format that
// LoadImageW(LR_LOADFROMFILE | LR_CREATEDIBSECTION) reads everywhere.
//
// Each image is drawn kScale times larger into a DIB section and then reduced
// by averaging kScale x kScale blocks. GDI itself does not smooth polygon and
// ellipse edges; the reduction does, and it leaves areas of one colour exactly
// that colour, which is what the probe points in skin_colors.h rely on. So all
// solid shapes that carry a documented colour sit on whole pixels.
//
// Only gdi32 and kernel32 are used: no window and no display are needed, so the
// build can run this through Wine without a desktop.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "skin_colors.h"

namespace {

constexpr int kScale = 4;

// Windows has it, and Wine maps it to a metric-compatible face (Liberation
// Sans on Debian), which renders clean at every size used here.
constexpr const wchar_t* kFontFace = L"Arial";

void PrintUtf8(FILE* stream, const wchar_t* text) {
  char buffer[2048];
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  if (n > 0) std::fputs(buffer, stream);
}

void ReportError(const wchar_t* what, const wchar_t* path) {
  wchar_t message[1400];
  std::swprintf(message, sizeof message / sizeof message[0], L"skingen: %ls %ls (error %lu)\n",
                what, path, static_cast<unsigned long>(GetLastError()));
  PrintUtf8(stderr, message);
}

COLORREF Mix(COLORREF a, COLORREF b, double t) {
  auto lerp = [t](int x, int y) { return static_cast<BYTE>(x + (y - x) * t + 0.5); };
  return RGB(lerp(GetRValue(a), GetRValue(b)), lerp(GetGValue(a), GetGValue(b)),
             lerp(GetBValue(a), GetBValue(b)));
}

struct Point {
  double x;
  double y;
};

// A drawing surface addressed in final-image pixels; coordinates are scaled to
// the oversized DIB internally.
class Painter {
 public:
  Painter() = default;
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;
  ~Painter() { Release(); }

  bool Begin(int width, int height) {
    width_ = width;
    height_ = height;
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) {
      ReportError(L"cannot create a memory DC", L"");
      return false;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width * kScale;
    info.bmiHeader.biHeight = -height * kScale;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr || bits == nullptr) {
      ReportError(L"cannot create a drawing surface", L"");
      return false;
    }
    bits_ = static_cast<BYTE*>(bits);
    old_bitmap_ = SelectObject(dc_, bitmap_);
    SetBkMode(dc_, TRANSPARENT);
    SetPolyFillMode(dc_, WINDING);
    return true;
  }

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Axis-aligned rectangle [left, right) x [top, bottom).
  void Rect(double left, double top, double right, double bottom, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ old = SelectObject(dc_, brush);
    PatBlt(dc_, S(left), S(top), S(right) - S(left), S(bottom) - S(top), PATCOPY);
    SelectObject(dc_, old);
    DeleteObject(brush);
  }

  // Filled rounded rectangle [left, right) x [top, bottom).
  void RoundRect(double left, double top, double right, double bottom, double radius,
                 COLORREF color) {
    if (radius <= 0) {
      Rect(left, top, right, bottom, color);
      return;
    }
    BeginFill(color, S(left), S(top), S(right), S(bottom));
    ::RoundRect(dc_, S(left), S(top), S(right) + 1, S(bottom) + 1, S(2 * radius), S(2 * radius));
    EndFill();
  }

  // A rounded outline of the given thickness around [left, right) x [top, bottom)
  // with its inside filled.
  void OutlinedRoundRect(double left, double top, double right, double bottom, double radius,
                         double thickness, COLORREF outline, COLORREF fill) {
    RoundRect(left, top, right, bottom, radius, outline);
    RoundRect(left + thickness, top + thickness, right - thickness, bottom - thickness,
              radius > thickness ? radius - thickness : 0, fill);
  }

  void Ellipse(double cx, double cy, double rx, double ry, COLORREF color) {
    BeginFill(color, S(cx - rx), S(cy - ry), S(cx + rx), S(cy + ry));
    ::Ellipse(dc_, S(cx - rx), S(cy - ry), S(cx + rx) + 1, S(cy + ry) + 1);
    EndFill();
  }

  void Circle(double cx, double cy, double r, COLORREF color) { Ellipse(cx, cy, r, r, color); }

  // Filled polygon; a positive corner_radius rounds its corners by stroking the
  // outline with a round-joined pen of the same colour (the shape grows by that
  // radius, so callers shrink the points to suit).
  void Polygon(const Point* points, int count, COLORREF color, double corner_radius = 0) {
    POINT scaled[16];
    if (count > 16) count = 16;
    for (int i = 0; i < count; ++i) scaled[i] = {S(points[i].x), S(points[i].y)};
    HBRUSH brush = CreateSolidBrush(color);
    HPEN pen;
    if (corner_radius > 0) {
      LOGBRUSH stroke{BS_SOLID, color, 0};
      pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_JOIN_ROUND | PS_ENDCAP_ROUND,
                         static_cast<DWORD>(S(2 * corner_radius)), &stroke, 0, nullptr);
    } else {
      pen = static_cast<HPEN>(GetStockObject(NULL_PEN));
    }
    HGDIOBJ old_brush = SelectObject(dc_, brush);
    HGDIOBJ old_pen = SelectObject(dc_, pen);
    ::Polygon(dc_, scaled, count);
    SelectObject(dc_, old_pen);
    SelectObject(dc_, old_brush);
    if (corner_radius > 0) DeleteObject(pen);
    DeleteObject(brush);
  }

  // A straight line with round ends.
  void Line(double x0, double y0, double x1, double y1, double width, COLORREF color) {
    LOGBRUSH stroke{BS_SOLID, color, 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                            static_cast<DWORD>(S(width)), &stroke, 0, nullptr);
    HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, S(x0), S(y0), nullptr);
    LineTo(dc_, S(x1), S(y1));
    SelectObject(dc_, old);
    DeleteObject(pen);
  }

  enum class Align { kLeft, kCenter, kRight };

  // Text whose baseline runs at y; size is the em height in final pixels.
  // Returns the width the text took, in final pixels.
  double Text(double x, double baseline, const wchar_t* text, double size, int weight,
              COLORREF color, Align align = Align::kLeft) {
    HFONT font = MakeFont(size, weight);
    HGDIOBJ old = SelectObject(dc_, font);
    const int length = static_cast<int>(std::wcslen(text));
    SIZE extent{};
    GetTextExtentPoint32W(dc_, text, length, &extent);
    UINT mode = TA_BASELINE | TA_NOUPDATECP;
    mode |= align == Align::kCenter ? TA_CENTER : align == Align::kRight ? TA_RIGHT : TA_LEFT;
    SetTextAlign(dc_, mode);
    SetTextColor(dc_, color);
    ExtTextOutW(dc_, S(x), S(baseline), 0, nullptr, text, static_cast<UINT>(length), nullptr);
    SelectObject(dc_, old);
    DeleteObject(font);
    return static_cast<double>(extent.cx) / kScale;
  }

  double TextWidth(const wchar_t* text, double size, int weight) {
    HFONT font = MakeFont(size, weight);
    HGDIOBJ old = SelectObject(dc_, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, text, static_cast<int>(std::wcslen(text)), &extent);
    SelectObject(dc_, old);
    DeleteObject(font);
    return static_cast<double>(extent.cx) / kScale;
  }

  // Reduces the drawing to its final size and writes it as a 24-bit bottom-up
  // BMP file.
  bool Save(const wchar_t* path) {
    GdiFlush();
    const int big_stride = (width_ * kScale * 3 + 3) & ~3;
    const int stride = (width_ * 3 + 3) & ~3;
    const DWORD image_size = static_cast<DWORD>(stride) * static_cast<DWORD>(height_);

    BYTE* pixels = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, image_size));
    if (pixels == nullptr) {
      ReportError(L"out of memory for", path);
      return false;
    }
    constexpr int kSamples = kScale * kScale;
    for (int y = 0; y < height_; ++y) {
      // Bottom-up: the first row in the file is the bottom row of the picture.
      BYTE* out = pixels + static_cast<size_t>(height_ - 1 - y) * stride;
      for (int x = 0; x < width_; ++x) {
        int sum[3] = {0, 0, 0};
        for (int sy = 0; sy < kScale; ++sy) {
          const BYTE* in = bits_ + static_cast<size_t>(y * kScale + sy) * big_stride +
                           static_cast<size_t>(x) * kScale * 3;
          for (int sx = 0; sx < kScale * 3; sx += 3) {
            sum[0] += in[sx];
            sum[1] += in[sx + 1];
            sum[2] += in[sx + 2];
          }
        }
        for (int c = 0; c < 3; ++c)
          out[x * 3 + c] = static_cast<BYTE>((sum[c] + kSamples / 2) / kSamples);
      }
    }

    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + image_size;
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;  // positive: bottom-up
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = image_size;
    info.biXPelsPerMeter = 2835;  // 72 dpi
    info.biYPelsPerMeter = 2835;

    bool ok = false;
    HANDLE handle =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      ReportError(L"cannot create", path);
    } else {
      DWORD written = 0;
      ok = WriteFile(handle, &file, sizeof file, &written, nullptr) && written == sizeof file &&
           WriteFile(handle, &info, sizeof info, &written, nullptr) && written == sizeof info &&
           WriteFile(handle, pixels, image_size, &written, nullptr) && written == image_size;
      if (!ok) ReportError(L"cannot write", path);
      if (!CloseHandle(handle) && ok) {
        ReportError(L"cannot finish", path);
        ok = false;
      }
      if (!ok) DeleteFileW(path);
    }
    HeapFree(GetProcessHeap(), 0, pixels);
    return ok;
  }

 private:
  static int S(double v) { return static_cast<int>(v * kScale + (v < 0 ? -0.5 : 0.5)); }

  HFONT MakeFont(double size, int weight) {
    return CreateFontW(-S(size), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, kFontFace);
  }

  // Shapes filled with the null pen: whether GDI includes the last row and
  // column of the bounding box differs between implementations, so the shape
  // is drawn one sample larger and clipped to exactly [left, right) x [top, bottom).
  void BeginFill(COLORREF color, int left, int top, int right, int bottom) {
    saved_dc_ = SaveDC(dc_);
    IntersectClipRect(dc_, left, top, right, bottom);
    fill_brush_ = CreateSolidBrush(color);
    saved_brush_ = SelectObject(dc_, fill_brush_);
    saved_pen_ = SelectObject(dc_, GetStockObject(NULL_PEN));
  }

  void EndFill() {
    SelectObject(dc_, saved_pen_);
    SelectObject(dc_, saved_brush_);
    DeleteObject(fill_brush_);
    fill_brush_ = nullptr;
    RestoreDC(dc_, saved_dc_);
  }

  void Release() {
    if (dc_ != nullptr && old_bitmap_ != nullptr) SelectObject(dc_, old_bitmap_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (dc_ != nullptr) DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    old_bitmap_ = nullptr;
    bits_ = nullptr;
  }

  int width_ = 0;
  int height_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  BYTE* bits_ = nullptr;
  HBRUSH fill_brush_ = nullptr;
  HGDIOBJ saved_brush_ = nullptr;
  HGDIOBJ saved_pen_ = nullptr;
  int saved_dc_ = 0;
};

// ---- files ---------------------------------------------------------------------

constexpr size_t kPathCapacity = 1024;

bool JoinPath(wchar_t (&out)[kPathCapacity], const wchar_t* dir, const wchar_t* name) {
  if (std::wcslen(dir) + 1 + std::wcslen(name) >= kPathCapacity) return false;
  std::wcscpy(out, dir);
  std::wcscat(out, L"\\");
  std::wcscat(out, name);
  return true;
}

bool SaveInto(Painter& p, const wchar_t* dir, const wchar_t* name) {
  wchar_t path[kPathCapacity];
  if (!JoinPath(path, dir, name)) {
    ReportError(L"path too long in", dir);
    return false;
  }
  return p.Save(path);
}

// Creates dir and any missing parents; fine if it already exists.
bool MakeDirectories(const wchar_t* dir) {
  wchar_t path[kPathCapacity];
  const size_t length = std::wcslen(dir);
  if (length == 0 || length >= kPathCapacity) {
    ReportError(L"unusable folder name", dir);
    return false;
  }
  std::wcscpy(path, dir);
  for (size_t i = 1; i < length; ++i) {
    if (path[i] != L'\\' && path[i] != L'/') continue;
    if (path[i - 1] == L':' || path[i - 1] == L'\\' || path[i - 1] == L'/') continue;
    const wchar_t separator = path[i];
    path[i] = L'\0';
    CreateDirectoryW(path, nullptr);  // parents may exist or be drive roots
    path[i] = separator;
  }
  if (!CreateDirectoryW(path, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    ReportError(L"cannot create folder", dir);
    return false;
  }
  const DWORD attributes = GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    ReportError(L"not a folder:", dir);
    return false;
  }
  return true;
}

// ---- caution screen ----------------------------------------------------------

constexpr COLORREF kAmber = RGB(255, 192, 40);
constexpr COLORREF kAmberDim = RGB(120, 96, 44);
constexpr COLORREF kInk = RGB(20, 20, 24);
constexpr COLORREF kTextBright = RGB(236, 240, 246);
constexpr COLORREF kTextSoft = RGB(168, 180, 200);

// A warning triangle with rounded corners and an exclamation mark, its box's
// top-left corner at (left, top).
void DrawWarningTriangle(Painter& p, double left, double top, double size) {
  const double r = size * 0.08;
  const double h = size * 0.88;
  const Point corners[] = {{left + size / 2, top + r * 1.6},
                           {left + size - r * 1.4, top + h - r},
                           {left + r * 1.4, top + h - r}};
  p.Polygon(corners, 3, kAmber, r);
  const double cx = left + size / 2;
  const double bar_top = top + h * 0.33;
  const double bar_bottom = top + h * 0.68;
  const Point bar[] = {{cx - size * 0.05, bar_top},
                       {cx + size * 0.05, bar_top},
                       {cx + size * 0.03, bar_bottom},
                       {cx - size * 0.03, bar_bottom}};
  p.Polygon(bar, 4, kInk, size * 0.02);
  p.Circle(cx, top + h * 0.80, size * 0.055, kInk);
}

// How a button place looks on the background itself: an outlined area with
// its label, visible wherever the pop-up does not cover it with a button look.
void DrawButtonPlace(Painter& p, POINT place, const wchar_t* label) {
  const double l = place.x, t = place.y;
  const double r = l + skin::kButtonWidth, b = t + skin::kButtonHeight;
  p.OutlinedRoundRect(l, t, r, b, 10, 2, skin::kCautionPlaceOutline, skin::kCautionPlaceFill);
  p.Text((l + r) / 2, t + 30 + 10, label, 28, FW_BOLD, skin::kCautionPlaceOutline,
         Painter::Align::kCenter);
}

bool DrawCaution(const wchar_t* dir) {
  Painter p;
  if (!p.Begin(skin::kCautionWidth, skin::kCautionHeight)) return false;
  p.Rect(0, 0, p.Width(), p.Height(), skin::kCautionBackground);

  // Title row: triangle and "CAUTION", centred together.
  const wchar_t* title = L"CAUTION";
  const double title_size = 64;
  const double triangle = 84;
  const double gap = 26;
  const double title_width = p.TextWidth(title, title_size, FW_BOLD);
  const double row_left = (p.Width() - (triangle + gap + title_width)) / 2;
  DrawWarningTriangle(p, row_left, 34, triangle);
  p.Text(row_left + triangle + gap, 34 + 74 - 2, title, title_size, FW_BOLD, kAmber);

  p.Rect(120, 128, 680, 130, kAmberDim);

  const double cx = p.Width() / 2.0;
  const wchar_t* lines[] = {L"Do not operate the navigation while driving.",
                            L"Keep your eyes on the road and obey traffic rules.",
                            L"Stop in a safe place to change the settings."};
  double baseline = 174;
  for (const wchar_t* line : lines) {
    p.Text(cx, baseline, line, 25, FW_SEMIBOLD, kTextBright, Painter::Align::kCenter);
    baseline += 34;
  }

  DrawButtonPlace(p, skin::kCautionYesPlace, L"YES");
  DrawButtonPlace(p, skin::kCautionNoPlace, L"NO");

  p.Text(cx, 392, L"Route guidance is for reference only. Always follow road signs.", 17, FW_NORMAL,
         kTextSoft, Painter::Align::kCenter);
  return SaveInto(p, dir, L"bg_caution.bmp");
}

// ---- black box -----------------------------------------------------------------

constexpr COLORREF kRecRed = RGB(232, 36, 36);

void DrawCamera(Painter& p, double cx, double cy) {
  const COLORREF body = RGB(74, 82, 96);
  const COLORREF body_top = RGB(96, 106, 122);
  // Viewfinder bump and body.
  p.RoundRect(cx - 58, cy - 50, cx - 18, cy - 30, 5, body_top);
  p.RoundRect(cx - 84, cy - 38, cx + 84, cy + 46, 14, body);
  p.Rect(cx - 84 + 6, cy - 24, cx + 84 - 6, cy - 21, body_top);
  // Lens: ring, barrel, glass, glint.
  p.Circle(cx, cy + 6, 34, RGB(168, 178, 194));
  p.Circle(cx, cy + 6, 29, RGB(30, 34, 42));
  p.Circle(cx, cy + 6, 21, RGB(22, 54, 96));
  p.Circle(cx, cy + 6, 12, RGB(10, 24, 48));
  p.Ellipse(cx - 8, cy - 3, 6, 4, RGB(170, 200, 235));
  // Recording lamp on the body.
  p.Circle(cx + 64, cy - 14, 7, kRecRed);
}

bool DrawBlackBox(const wchar_t* dir) {
  Painter p;
  if (!p.Begin(skin::kBlackBoxWidth, skin::kBlackBoxHeight)) return false;
  const double w = skin::kBlackBoxShownWidth;
  const double h = skin::kBlackBoxShownHeight;
  const double f = skin::kBlackBoxFrameWidth;

  p.Rect(0, 0, p.Width(), p.Height(), skin::kBlackBoxOutside);
  p.Rect(0, 0, w, h, skin::kBlackBoxFrame);
  p.Rect(f, f, w - f, h - f, skin::kBlackBoxBackground);

  // Title and the recording state; everything stays clear of the frame and of
  // the background probe in the top-left corner.
  p.Text(w / 2, 50, L"BLACK BOX", 32, FW_BOLD, kTextBright, Painter::Align::kCenter);
  DrawCamera(p, w / 2, 124);

  const wchar_t* state = L"Recording";
  const double state_size = 24;
  const double dot = 9;
  const double state_width = p.TextWidth(state, state_size, FW_BOLD);
  const double state_left = (w - (2 * dot + 10 + state_width)) / 2;
  p.Circle(state_left + dot, 209 - 8, dot, kRecRed);
  p.Text(state_left + 2 * dot + 10, 209, state, state_size, FW_BOLD, kRecRed);

  p.Text(w / 2, 236, L"FRONT CAM   2024-05-17   08:42:15", 14, FW_NORMAL, kTextSoft,
         Painter::Align::kCenter);
  return SaveInto(p, dir, L"BB_popup.bmp");
}

// ---- caution button looks --------------------------------------------------------

enum class State { kNormal, kHot, kDisabled };

struct Look {
  const wchar_t* file;
  const wchar_t* label;
  State state;
  COLORREF fill;
  COLORREF outline;
  COLORREF glow;  // hot looks only
  COLORREF text;
};

void DrawButton(Painter& p, const Look& look) {
  const double w = skin::kButtonWidth;
  const double h = skin::kButtonHeight;
  const double radius = 10;
  const double outline = 3;
  p.Rect(0, 0, w, h, skin::kButtonCorner);
  p.OutlinedRoundRect(0, 0, w, h, radius, outline, look.outline, look.fill);

  if (look.state == State::kHot) {
    // Inner glow: rings fading from the glow colour at the outline to the
    // fill, ending well before the fill probe point.
    constexpr int kGlow = 12;
    for (int i = 0; i < kGlow; ++i) {
      const double inset = outline + i;
      const double t = static_cast<double>(i) / kGlow;
      const COLORREF ring = Mix(look.glow, look.fill, 1 - (1 - t) * (1 - t));
      p.OutlinedRoundRect(inset, inset, w - inset, h - inset,
                          radius - outline > i ? radius - outline - i : 0, 1, ring, look.fill);
    }
  }

  const wchar_t* state_text = look.state == State::kNormal ? L"normal"
                              : look.state == State::kHot  ? L"pressed"
                                                           : L"disabled";
  if (look.state != State::kDisabled) {
    // A soft drop shadow keeps white text readable on the bright hot fills.
    const COLORREF shadow = Mix(look.fill, RGB(0, 0, 0), 0.45);
    p.Text(w / 2 + 1.5, 35 + 1.5, look.label, 30, FW_BOLD, shadow, Painter::Align::kCenter);
    p.Text(w / 2 + 1, 52 + 1, state_text, 14, FW_SEMIBOLD, shadow, Painter::Align::kCenter);
  }
  p.Text(w / 2, 35, look.label, 30, FW_BOLD, look.text, Painter::Align::kCenter);
  p.Text(w / 2, 52, state_text, 14, FW_SEMIBOLD, look.text, Painter::Align::kCenter);
}

bool DrawButtons(const wchar_t* dir) {
  const Look looks[] = {
      {L"btn_cau_yes_nor.bmp", L"YES", State::kNormal, skin::kYesNormalFill, RGB(110, 200, 134), 0,
       RGB(255, 255, 255)},
      {L"btn_cau_yes_hot.bmp", L"YES", State::kHot, skin::kYesHotFill, RGB(236, 255, 240),
       RGB(190, 255, 205), RGB(255, 255, 255)},
      {L"btn_cau_yes_dis.bmp", L"YES", State::kDisabled, skin::kYesDisabledFill, RGB(112, 124, 116),
       0, RGB(150, 160, 154)},
      {L"btn_cau_no_nor.bmp", L"NO", State::kNormal, skin::kNoNormalFill, RGB(226, 120, 120), 0,
       RGB(255, 255, 255)},
      {L"btn_cau_no_hot.bmp", L"NO", State::kHot, skin::kNoHotFill, RGB(255, 236, 232),
       RGB(255, 200, 190), RGB(255, 255, 255)},
      {L"btn_cau_no_dis.bmp", L"NO", State::kDisabled, skin::kNoDisabledFill, RGB(132, 116, 116), 0,
       RGB(164, 150, 150)},
  };
  for (const Look& look : looks) {
    Painter p;
    if (!p.Begin(skin::kButtonWidth, skin::kButtonHeight)) return false;
    DrawButton(p, look);
    if (!SaveInto(p, dir, look.file)) return false;
  }
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 || argv[1][0] == L'\0') {
    std::fputs(
        "usage: skingen OUTDIR\n"
        "Writes the sample skin bitmaps (bg_caution.bmp, BB_popup.bmp and the six\n"
        "btn_cau_*.bmp button looks) into OUTDIR, creating it if needed.\n",
        stderr);
    return 2;
  }
  // A trailing separator would double up when file names are appended.
  wchar_t dir[kPathCapacity];
  const size_t length = std::wcslen(argv[1]);
  if (length >= kPathCapacity) {
    ReportError(L"folder name too long:", argv[1]);
    return 1;
  }
  std::wcscpy(dir, argv[1]);
  for (size_t n = length;
       n > 1 && (dir[n - 1] == L'\\' || dir[n - 1] == L'/') && dir[n - 2] != L':'; --n) {
    dir[n - 1] = L'\0';
  }
  if (!MakeDirectories(dir)) return 1;

  if (!DrawCaution(dir) || !DrawBlackBox(dir)) return 1;
  if (!DrawButtons(dir)) return 1;

  wchar_t message[kPathCapacity + 64];
  std::swprintf(message, sizeof message / sizeof message[0], L"skingen: wrote 8 bitmaps to %ls\n",
                dir);
  PrintUtf8(stdout, message);
  return 0;
}
