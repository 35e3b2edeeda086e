#include "timeline.h"

namespace {

const char kHexDigits[] = "0123456789abcdef";

std::string JsonString(const std::wstring& value) {
  std::string utf8 = Utf8(value);
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += "\\u00";
          out += kHexDigits[c >> 4];
          out += kHexDigits[c & 15];
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::wstring PadLeft(const std::wstring& text, size_t width) {
  return text.size() >= width ? text : std::wstring(width - text.size(), L' ') + text;
}

std::wstring PadRight(const std::wstring& text, size_t width) {
  return text.size() >= width ? text : text + std::wstring(width - text.size(), L' ');
}

}  // namespace

TimelineEvent::TimelineEvent(const char* kind) : kind_(kind) {}

std::string TimelineEvent::Json(int t) const {
  return "{\"t\":" + std::to_string(t) + ",\"event\":\"" + kind_ + "\"" + fields_ + "}";
}

void TimelineEvent::Key(const char* key) {
  fields_ += ",\"";
  fields_ += key;
  fields_ += "\":";
}

TimelineEvent& TimelineEvent::Text(const char* key, const std::wstring& value) {
  Key(key);
  fields_ += JsonString(value);
  return *this;
}

TimelineEvent& TimelineEvent::Number(const char* key, long long value) {
  Key(key);
  fields_ += std::to_string(value);
  return *this;
}

TimelineEvent& TimelineEvent::Unsigned(const char* key, unsigned long long value) {
  Key(key);
  fields_ += std::to_string(value);
  return *this;
}

TimelineEvent& TimelineEvent::Flag(const char* key, bool value) {
  Key(key);
  fields_ += value ? "true" : "false";
  return *this;
}

TimelineEvent& TimelineEvent::Rect(const char* key, const RECT& rect) {
  Key(key);
  fields_ += "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + "]";
  return *this;
}

Timeline::Timeline() {
  LARGE_INTEGER value;
  QueryPerformanceFrequency(&value);
  frequency_ = value.QuadPart > 0 ? value.QuadPart : 1;
  StartClock();
}

Timeline::~Timeline() {
  if (jsonl_ != INVALID_HANDLE_VALUE) CloseHandle(jsonl_);
}

bool Timeline::Open(const std::wstring& jsonlPath, std::wstring* error) {
  // FILE_SHARE_READ: a test may read the lines while the run goes on.
  jsonl_ = CreateFileW(jsonlPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  if (jsonl_ == INVALID_HANDLE_VALUE) {
    *error = L"cannot write " + jsonlPath;
    return false;
  }
  return true;
}

void Timeline::StartClock() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  start_ = now.QuadPart;
}

int Timeline::Now() const {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<int>((now.QuadPart - start_.load()) * 1000 / frequency_);
}

int Timeline::Emit(const TimelineEvent& event, const std::wstring& readable) {
  std::wstring kind(event.kind().begin(), event.kind().end());
  std::lock_guard<std::mutex> lock(mutex_);
  int t = Now();
  std::wstring line = PadLeft(std::to_wstring(t), 6) + L" ms  " + PadRight(kind, 8) + L" " + readable + L"\n";
  std::string json = event.Json(t) + "\n";
  WriteStdout(line);
  // Unbuffered WriteFile: the line is in the file as soon as this returns.
  if (jsonl_ != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(jsonl_, json.data(), static_cast<DWORD>(json.size()), &written, nullptr);
  }
  return t;
}

void Timeline::Note(const std::wstring& line) {
  std::lock_guard<std::mutex> lock(mutex_);
  WriteStdout(line + L"\n");
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr,
                      nullptr);
  return out;
}

std::wstring Visible(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'\r') {
      out += L"\\r";
    } else if (c == L'\n') {
      out += L"\\n";
    } else if (c == L'\t') {
      out += L"\\t";
    } else if (c < 0x20) {
      out += L"\\x";
      out += static_cast<wchar_t>(kHexDigits[c >> 4]);
      out += static_cast<wchar_t>(kHexDigits[c & 15]);
    } else {
      out += c;
    }
  }
  return out;
}

namespace {

void WriteStandard(DWORD which, const std::wstring& text) {
  HANDLE out = GetStdHandle(which);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(out, &mode)) {
    WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  } else {
    std::string utf8 = Utf8(text);
    WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  }
}

}  // namespace

void WriteStdout(const std::wstring& text) { WriteStandard(STD_OUTPUT_HANDLE, text); }
void WriteStderr(const std::wstring& text) { WriteStandard(STD_ERROR_HANDLE, text); }
