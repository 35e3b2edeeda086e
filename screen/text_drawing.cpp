#include "text_drawing.h"

#include <cstring>
#include <memory>
#include <new>

CTextFraming::CTextFraming(CDC* dc, COLORREF color, CFont* font)
    : m_dc(dc), m_oldMode(0), m_oldColor(0), m_oldFont(nullptr) {
  if (m_dc == nullptr) return;
  m_oldMode = m_dc->SetBkMode(TRANSPARENT);
  m_oldColor = m_dc->SetTextColor(color);
  m_oldFont = m_dc->SelectObject(font);
}

CTextFraming::~CTextFraming() {
  if (m_dc == nullptr) return;
  if (m_oldFont != nullptr) m_dc->SelectObject(m_oldFont);
  m_dc->SetBkMode(m_oldMode);
  m_dc->SetTextColor(m_oldColor);
}

namespace {
// Width of the first length characters as one line, with the DC's font.
int LineWidth(CDC* dc, LPCWSTR text, int length) {
  SIZE size = {0, 0};
  dc->GetTextExtentExPoint(text, length, 0, nullptr, nullptr, &size);
  return size.cx;
}
}  // namespace

int DrawTextEllipsis(CDC* dc, const CString& text, int left, int top, int right, int bottom,
                     UINT format) {
  if (dc == nullptr) return 0;
  RECT box = {left, top, right, bottom};
  const int boxWidth = right - left;
  const int length = text.GetLength();
  // The whole text may fill the box exactly.
  if (LineWidth(dc, text, length) <= boxWidth) return dc->DrawText(text, length, &box, format);

  static const wchar_t kEllipsis[] = L"...";
  const int ellipsisLength = 3;
  std::unique_ptr<wchar_t[]> candidate(new (std::nothrow) wchar_t[length + ellipsisLength + 1]);
  if (!candidate) return dc->DrawText(text, length, &box, format);
  std::memcpy(candidate.get(), static_cast<LPCWSTR>(text), length * sizeof(wchar_t));

  // Longest prefix first; a shortened text must be narrower than the box.
  // When none is, the last one tried, "..." alone, is drawn.
  int n = length;
  for (; n >= 0; --n) {
    std::memcpy(candidate.get() + n, kEllipsis, sizeof kEllipsis);
    if (LineWidth(dc, candidate.get(), n + ellipsisLength) < boxWidth) break;
  }
  if (n < 0) n = 0;  // "..." is already in place at 0
  return dc->DrawText(candidate.get(), n + ellipsisLength, &box, format);
}
