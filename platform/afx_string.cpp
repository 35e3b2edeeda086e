#include "afx_string.h"

#include <cstdlib>
#include <cwchar>
#include <new>

#include "wide_format.h"

struct CString::Data {
  LONG refs;  // -1 marks the shared empty string, which is never freed
  int length;
  wchar_t* Chars() { return reinterpret_cast<wchar_t*>(this + 1); }
};

namespace {
// The empty string every fresh CString points at; laid out as a Data header
// followed by its characters.
struct {
  LONG refs = -1;
  int length = 0;
  wchar_t text[1] = {0};
} g_emptyString;
}  // namespace

CString::CString() : m_pchData(g_emptyString.text) {}

CString::CString(LPCWSTR text) : m_pchData(g_emptyString.text) {
  if (text != nullptr) Assign(text, static_cast<int>(wcslen(text)));
}

CString::CString(LPCWSTR text, int length) : m_pchData(g_emptyString.text) {
  if (text != nullptr && length > 0) Assign(text, length);
}

CString::CString(const CString& other) : m_pchData(other.m_pchData) {
  Data* d = GetData();
  if (d->refs >= 0) InterlockedIncrement(&d->refs);
}

CString::~CString() { Release(); }

CString::Data* CString::GetData() const {
  // The header sits right before the characters, for the empty string too.
  return reinterpret_cast<Data*>(m_pchData) - 1;
}

void CString::Release() {
  if (m_pchData == g_emptyString.text) return;  // the shared empty string is never freed
  Data* d = GetData();
  if (InterlockedDecrement(&d->refs) == 0) std::free(d);
  m_pchData = g_emptyString.text;
}

void CString::Assign(LPCWSTR text, int length) {
  if (length <= 0) {
    Release();
    return;
  }
  void* block = std::malloc(sizeof(Data) + (static_cast<size_t>(length) + 1) * sizeof(wchar_t));
  if (block == nullptr) {
    // Out of memory: the string stays empty rather than failing the caller.
    Release();
    return;
  }
  Data* d = static_cast<Data*>(block);
  d->refs = 1;
  d->length = length;
  wmemcpy(d->Chars(), text, static_cast<size_t>(length));
  d->Chars()[length] = L'\0';
  Release();
  m_pchData = d->Chars();
}

CString& CString::operator=(const CString& other) {
  if (m_pchData != other.m_pchData) {
    Data* d = other.GetData();
    if (d->refs >= 0) InterlockedIncrement(&d->refs);
    Release();
    m_pchData = other.m_pchData;
  }
  return *this;
}

CString& CString::operator=(LPCWSTR text) {
  if (text == nullptr) {
    Release();
  } else {
    CString copy(text);  // text may point into this string
    *this = copy;
  }
  return *this;
}

CString& CString::operator+=(LPCWSTR text) {
  if (text == nullptr || *text == L'\0') return *this;
  int a = GetLength();
  int b = static_cast<int>(wcslen(text));
  wchar_t* joined = static_cast<wchar_t*>(std::malloc((static_cast<size_t>(a + b) + 1) * sizeof(wchar_t)));
  if (joined == nullptr) return *this;
  wmemcpy(joined, m_pchData, static_cast<size_t>(a));
  wmemcpy(joined + a, text, static_cast<size_t>(b));
  Assign(joined, a + b);
  std::free(joined);
  return *this;
}

int CString::GetLength() const { return GetData()->length; }

void CString::Empty() { Release(); }

CString CString::Left(int count) const {
  if (count < 0) count = 0;
  if (count > GetLength()) count = GetLength();
  return CString(m_pchData, count);
}

int CString::Find(wchar_t ch) const {
  const wchar_t* p = wcschr(m_pchData, ch);
  return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

void CString::Format(LPCWSTR format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(LPCWSTR format, va_list args) {
  wchar_t small[256];
  va_list copy;
  va_copy(copy, args);
  int n = WideFormatV(small, 256, format, copy);
  va_end(copy);
  if (n < 256) {
    Assign(small, n);
    return;
  }
  wchar_t* big = static_cast<wchar_t*>(std::malloc((static_cast<size_t>(n) + 1) * sizeof(wchar_t)));
  if (big == nullptr) {
    Assign(small, 255);
    return;
  }
  WideFormatV(big, static_cast<size_t>(n) + 1, format, args);
  Assign(big, n);
  std::free(big);
}

int CString::Compare(LPCWSTR text) const { return wcscmp(m_pchData, text ? text : L""); }

int CString::CompareNoCase(LPCWSTR text) const { return lstrcmpiW(m_pchData, text ? text : L""); }

BOOL CString::LoadString(UINT id) {
  const wchar_t* resource = nullptr;
  // With a zero buffer size LoadStringW gives a pointer to the resource text.
  int n = ::LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&resource), 0);
  if (n <= 0 || resource == nullptr) {
    Release();
    return FALSE;
  }
  Assign(resource, n);
  return TRUE;
}
