// CString: a reference-counted wide string. Copies share one buffer; every
// change makes a buffer of its own first.
#pragma once

#include <windows.h>

#include <cstdarg>

class CString {
 public:
  CString();
  CString(LPCWSTR text);  // NOLINT: converts implicitly, as the framework's string does
  CString(LPCWSTR text, int length);
  CString(const CString& other);
  ~CString();

  CString& operator=(const CString& other);
  CString& operator=(LPCWSTR text);
  CString& operator+=(LPCWSTR text);

  operator LPCWSTR() const { return m_pchData; }
  int GetLength() const;
  bool IsEmpty() const { return GetLength() == 0; }
  void Empty();
  wchar_t GetAt(int index) const { return m_pchData[index]; }
  CString Left(int count) const;
  int Find(wchar_t ch) const;

  // printf-style, with the device's meaning of %s (a wide string).
  void Format(LPCWSTR format, ...);
  void FormatV(LPCWSTR format, va_list args);

  int Compare(LPCWSTR text) const;
  int CompareNoCase(LPCWSTR text) const;
  bool operator==(LPCWSTR text) const { return Compare(text) == 0; }
  bool operator!=(LPCWSTR text) const { return Compare(text) != 0; }

  // Loads a string resource of the program; false if there is none.
  BOOL LoadString(UINT id);

 private:
  struct Data;
  Data* GetData() const;
  void Assign(LPCWSTR text, int length);
  void Release();

  wchar_t* m_pchData;
};
