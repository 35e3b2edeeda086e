#include "screenshot.h"

#include <cstring>
#include <utility>

#include "png_encoder.h"

namespace {

bool WriteWholeFile(const std::wstring& path, const void* data, size_t size, std::wstring* error) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *error = L"cannot write " + path;
    return false;
  }
  DWORD written = 0;
  BOOL ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != size) {
    *error = L"cannot write all of " + path;
    return false;
  }
  return true;
}

void PutLittleEndian(std::vector<uint8_t>* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> EncodeBmp(const Screenshot& shot) {
  const uint32_t kHeaders = 14 + 40;
  size_t stride = shot.Stride();
  uint32_t pixelBytes = static_cast<uint32_t>(stride * static_cast<size_t>(shot.height));
  std::vector<uint8_t> out;
  out.reserve(kHeaders + pixelBytes);
  // BITMAPFILEHEADER, written field by field: the struct is packed to 2.
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(&out, kHeaders + pixelBytes, 4);
  PutLittleEndian(&out, 0, 4);
  PutLittleEndian(&out, kHeaders, 4);
  // BITMAPINFOHEADER: positive height = bottom-up rows.
  PutLittleEndian(&out, 40, 4);
  PutLittleEndian(&out, static_cast<uint32_t>(shot.width), 4);
  PutLittleEndian(&out, static_cast<uint32_t>(shot.height), 4);
  PutLittleEndian(&out, 1, 2);
  PutLittleEndian(&out, 24, 2);
  PutLittleEndian(&out, BI_RGB, 4);
  PutLittleEndian(&out, pixelBytes, 4);
  PutLittleEndian(&out, 2835, 4);  // 72 dpi
  PutLittleEndian(&out, 2835, 4);
  PutLittleEndian(&out, 0, 4);
  PutLittleEndian(&out, 0, 4);
  for (int y = shot.height - 1; y >= 0; --y) {
    const uint8_t* row = shot.bgr.data() + stride * static_cast<size_t>(y);
    out.insert(out.end(), row, row + stride);
  }
  return out;
}

}  // namespace

bool CaptureScreen(Screenshot* shot) {
  HDC screen = GetDC(nullptr);
  if (!screen) return false;
  int width = GetDeviceCaps(screen, HORZRES);
  int height = GetDeviceCaps(screen, VERTRES);

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like the PNG rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  bool ok = false;
  if (bitmap && memory && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory, old);
    if (ok) {
      shot->width = width;
      shot->height = height;
      const uint8_t* start = static_cast<const uint8_t*>(bits);
      shot->bgr.assign(start, start + shot->Stride() * static_cast<size_t>(height));
    }
  }
  if (memory) DeleteDC(memory);
  if (bitmap) DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool CaptureSettledScreen(Screenshot* shot, DWORD settleMs, DWORD maxMs) {
  if (!CaptureScreen(shot)) return false;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < maxMs) {
    Sleep(settleMs);
    Screenshot next;
    if (!CaptureScreen(&next)) return true;
    bool same = next.bgr == shot->bgr;
    *shot = std::move(next);
    if (same) return true;
  }
  return true;
}

bool SaveScreenshot(const Screenshot& shot, const std::wstring& pngPath, bool bmpToo,
                    std::wstring* error) {
  std::vector<uint8_t> rgb(static_cast<size_t>(shot.width) * 3 * static_cast<size_t>(shot.height));
  for (int y = 0; y < shot.height; ++y) {
    const uint8_t* from = shot.bgr.data() + shot.Stride() * static_cast<size_t>(y);
    uint8_t* to = rgb.data() + static_cast<size_t>(shot.width) * 3 * static_cast<size_t>(y);
    for (int x = 0; x < shot.width; ++x, from += 3, to += 3) {
      to[0] = from[2];
      to[1] = from[1];
      to[2] = from[0];
    }
  }
  std::vector<uint8_t> png = EncodePng(shot.width, shot.height, rgb.data());
  if (!WriteWholeFile(pngPath, png.data(), png.size(), error)) return false;
  if (!bmpToo) return true;

  std::wstring bmpPath = pngPath;
  size_t dot = bmpPath.rfind(L'.');
  size_t slash = bmpPath.find_last_of(L"\\/");
  if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) bmpPath.erase(dot);
  bmpPath += L".bmp";
  std::vector<uint8_t> bmp = EncodeBmp(shot);
  return WriteWholeFile(bmpPath, bmp.data(), bmp.size(), error);
}

std::wstring ShotPath(const std::wstring& dir, const std::wstring& name) {
  std::wstring path = dir;
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  path += name;
  size_t dot = name.rfind(L'.');
  if (dot == std::wstring::npos || _wcsicmp(name.c_str() + dot, L".png") != 0) path += L".png";
  return path;
}
