#include "devicesim_client.h"

#include <cstdio>
#include <cstring>

namespace {

// ---- files and folders -------------------------------------------------------

bool ReadWholeFile(const std::wstring& path, std::string* out) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  out->clear();
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) out->append(buffer, got);
  CloseHandle(file);
  return true;
}

// A new folder under %TEMP% for every run, so no run reads another's files.
std::wstring MakeRunFolder() {
  static LONG counter = 0;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring folder = std::wstring(temp) + L"devicesim-" + std::to_wstring(GetCurrentProcessId()) +
                          L"-" + std::to_wstring(InterlockedIncrement(&counter)) + L"-" +
                          std::to_wstring(GetTickCount());
    if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
  }
  return std::wstring(temp);
}

// Quotes one argument so that CommandLineToArgvW gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') {
      out.append(backslashes * 2 + 1, L'\\');
    } else {
      out.append(backslashes, L'\\');
    }
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

bool HasOption(const std::vector<std::wstring>& args, const std::wstring& name) {
  for (const std::wstring& arg : args) {
    if (arg == name || arg.compare(0, name.size() + 1, name + L"=") == 0) return true;
  }
  return false;
}

// ---- JSON lines --------------------------------------------------------------

struct JsonValue {
  enum Kind { kNone, kString, kNumber, kBool, kArray } kind = kNone;
  std::string text;
  long long number = 0;
  bool flag = false;
  std::vector<long long> numbers;
};

void AppendUtf8(std::string* out, unsigned code) {
  if (code < 0x80) {
    *out += static_cast<char>(code);
  } else if (code < 0x800) {
    *out += static_cast<char>(0xC0 | (code >> 6));
    *out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    *out += static_cast<char>(0xE0 | (code >> 12));
    *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *out += static_cast<char>(0xF0 | (code >> 18));
    *out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Enough JSON for devicesim's lines: one flat object whose values are
// strings, integers, booleans, null or arrays of integers.
class LineParser {
 public:
  explicit LineParser(const std::string& line) : s_(line) {}

  bool Parse(SimEvent* event) {
    event->line = s_;
    if (!Expect('{')) return false;
    if (Peek() == '}') return true;
    for (;;) {
      std::string key;
      JsonValue value;
      if (!ParseString(&key) || !Expect(':') || !ParseValue(&value)) return false;
      Store(key, value, event);
      if (Peek() == ',') {
        ++i_;
        continue;
      }
      return Expect('}');
    }
  }

 private:
  char Peek() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r')) ++i_;
    return i_ < s_.size() ? s_[i_] : '\0';
  }

  bool Expect(char c) {
    if (Peek() != c) return false;
    ++i_;
    return true;
  }

  bool ParseHex4(unsigned* code) {
    if (i_ + 4 > s_.size()) return false;
    *code = 0;
    for (int k = 0; k < 4; ++k) {
      char c = s_[i_++];
      *code <<= 4;
      if (c >= '0' && c <= '9') {
        *code |= static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        *code |= static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        *code |= static_cast<unsigned>(c - 'A' + 10);
      } else {
        return false;
      }
    }
    return true;
  }

  bool ParseString(std::string* out) {
    if (!Expect('"')) return false;
    while (i_ < s_.size()) {
      char c = s_[i_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;  // JSON escapes these
      if (c != '\\') {
        *out += c;
        continue;
      }
      if (i_ >= s_.size()) return false;
      char e = s_[i_++];
      switch (e) {
        case '"': *out += '"'; break;
        case '\\': *out += '\\'; break;
        case '/': *out += '/'; break;
        case 'b': *out += '\b'; break;
        case 'f': *out += '\f'; break;
        case 'n': *out += '\n'; break;
        case 'r': *out += '\r'; break;
        case 't': *out += '\t'; break;
        case 'u': {
          unsigned code = 0;
          if (!ParseHex4(&code)) return false;
          if (code >= 0xD800 && code < 0xDC00 && s_.compare(i_, 2, "\\u") == 0) {
            unsigned low = 0;
            i_ += 2;
            if (!ParseHex4(&low)) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, code);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  bool ParseInteger(long long* out) {
    Peek();
    size_t start = i_;
    if (i_ < s_.size() && s_[i_] == '-') ++i_;
    while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
    if (i_ == start) return false;
    *out = std::strtoll(s_.substr(start, i_ - start).c_str(), nullptr, 10);
    return true;
  }

  bool ParseValue(JsonValue* value) {
    char c = Peek();
    if (c == '"') {
      value->kind = JsonValue::kString;
      return ParseString(&value->text);
    }
    if (c == '[') {
      ++i_;
      value->kind = JsonValue::kArray;
      if (Peek() == ']') return Expect(']');
      for (;;) {
        long long n = 0;
        if (!ParseInteger(&n)) return false;
        value->numbers.push_back(n);
        if (Peek() == ',') {
          ++i_;
          continue;
        }
        return Expect(']');
      }
    }
    for (const char* word : {"true", "false", "null"}) {
      size_t size = std::strlen(word);
      if (s_.compare(i_, size, word) == 0) {
        i_ += size;
        value->kind = word[0] == 'n' ? JsonValue::kNone : JsonValue::kBool;
        value->flag = word[0] == 't';
        return true;
      }
    }
    value->kind = JsonValue::kNumber;
    return ParseInteger(&value->number);
  }

  static void Store(const std::string& key, const JsonValue& v, SimEvent* e) {
    if (key == "t") e->t = static_cast<int>(v.number);
    else if (key == "event") e->event = v.text;
    else if (key == "to") e->to = v.text;
    else if (key == "text") e->text = v.text;
    else if (key == "title") e->title = v.text;
    else if (key == "file") e->file = v.text;
    else if (key == "msg") e->msg = static_cast<unsigned>(v.number);
    else if (key == "wParam") e->wParam = v.number;
    else if (key == "lParam") e->lParam = v.number;
    else if (key == "code") e->code = static_cast<int>(v.number);
    else if (key == "action") e->action = v.text;
    else if (key == "from") e->from = v.text;
    else if (key == "error") e->error = v.text;
    else if (key == "result") e->result = v.number;
    else if (key == "window") e->window = v.flag;
    else if (key == "inferred") e->inferred = v.flag;
    else if (key == "rect") {
      for (size_t k = 0; k < 4 && k < v.numbers.size(); ++k) e->rect[k] = static_cast<int>(v.numbers[k]);
    }
  }

  const std::string& s_;
  size_t i_ = 0;
};

std::vector<SimEvent> ParseTimeline(const std::string& text) {
  std::vector<SimEvent> events;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    SimEvent event;
    if (LineParser(line).Parse(&event)) {
      events.push_back(event);
    } else {
      std::fprintf(stderr, "devicesim_client: unreadable timeline line: %s\n", line.c_str());
    }
  }
  return events;
}

uint32_t ReadLittleEndian(const std::string& data, size_t at, int bytes) {
  uint32_t value = 0;
  for (int k = bytes - 1; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(data[at + k]);
  return value;
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr,
                      nullptr);
  return out;
}

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return std::wstring();
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size);
  return out;
}

std::wstring TestExeFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  size_t slash = folder.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : folder.substr(0, slash);
}

SimRun RunDeviceSim(const std::vector<std::wstring>& args, DWORD limitMs) {
  SimRun run;
  run.folder = MakeRunFolder();
  std::vector<std::wstring> all = args;
  std::wstring jsonl = run.folder + L"\\timeline.jsonl";
  if (!HasOption(args, L"--jsonl")) {
    all.push_back(L"--jsonl");
    all.push_back(jsonl);
  }
  if (!HasOption(args, L"--shot-dir")) {
    all.push_back(L"--shot-dir");
    all.push_back(run.folder);
  }
  for (size_t k = 0; k + 1 < args.size(); ++k) {
    if (args[k] == L"--jsonl") jsonl = args[k + 1];
  }

  std::wstring exe = TestExeFolder() + L"\\devicesim.exe";
  std::wstring commandLine = QuoteArgument(exe);
  for (const std::wstring& arg : all) commandLine += L" " + QuoteArgument(arg);

  // stdout into a file: nothing to drain while waiting, nothing to deadlock.
  std::wstring outPath = run.folder + L"\\stdout.txt";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = out;
  startup.hStdInput = nullptr;

  // A job, so that an overrun also ends the pop-ups devicesim started.
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (job) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  }

  PROCESS_INFORMATION info = {};
  BOOL started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                                nullptr, nullptr, &startup, &info);
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  if (!started) {
    std::fprintf(stderr, "devicesim_client: cannot start %s (error %lu)\n", ToUtf8(exe).c_str(),
                 GetLastError());
    if (job) CloseHandle(job);
    run.stdoutText = "cannot start " + ToUtf8(exe);
    return run;
  }
  if (job) AssignProcessToJobObject(job, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);

  if (WaitForSingleObject(info.hProcess, limitMs) == WAIT_TIMEOUT) {
    run.killed = true;
    if (job) TerminateJobObject(job, 1);
    TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, 5000);
    std::fprintf(stderr,
                 "devicesim_client: DEVICESIM DID NOT FINISH WITHIN %lu ms and was killed: %s\n",
                 limitMs, ToUtf8(commandLine).c_str());
  } else {
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    run.exitCode = static_cast<int>(code);
  }
  CloseHandle(info.hProcess);
  if (job) CloseHandle(job);

  ReadWholeFile(outPath, &run.stdoutText);
  std::string timeline;
  if (ReadWholeFile(jsonl, &timeline)) run.events = ParseTimeline(timeline);
  return run;
}

std::vector<SimEvent> EventsOf(const SimRun& run, const std::string& kind) {
  std::vector<SimEvent> found;
  for (const SimEvent& event : run.events) {
    if (event.event == kind) found.push_back(event);
  }
  return found;
}

const SimEvent* FindFirst(const SimRun& run, const std::string& kind, const std::string& to) {
  for (const SimEvent& event : run.events) {
    if (event.event == kind && (to.empty() || event.to == to)) return &event;
  }
  return nullptr;
}

const SimEvent* FindDebug(const SimRun& run, const std::string& part) {
  for (const SimEvent& event : run.events) {
    if (event.event == "debug" && event.text.find(part) != std::string::npos) return &event;
  }
  return nullptr;
}

int IndexOf(const SimRun& run, const SimEvent* event) {
  if (!event) return -1;
  return static_cast<int>(event - run.events.data());
}

COLORREF BmpImage::At(int x, int y) const {
  if (!ok || x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const uint8_t* p = rgb.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + x) * 3;
  return RGB(p[0], p[1], p[2]);
}

BmpImage ReadBmp(const std::wstring& path) {
  BmpImage image;
  std::string data;
  if (!ReadWholeFile(path, &data) || data.size() < 54 || data[0] != 'B' || data[1] != 'M') return image;
  uint32_t offset = ReadLittleEndian(data, 10, 4);
  int width = static_cast<int>(ReadLittleEndian(data, 18, 4));
  int height = static_cast<int>(ReadLittleEndian(data, 22, 4));
  uint32_t bits = ReadLittleEndian(data, 28, 2);
  uint32_t compression = ReadLittleEndian(data, 30, 4);
  bool bottomUp = height > 0;
  if (!bottomUp) height = -height;
  if (bits != 24 || compression != BI_RGB || width <= 0 || height <= 0) return image;
  size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
  if (data.size() < offset + stride * static_cast<size_t>(height)) return image;

  image.width = width;
  image.height = height;
  image.rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    size_t row = offset + stride * static_cast<size_t>(bottomUp ? height - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      const unsigned char* bgr = reinterpret_cast<const unsigned char*>(data.data()) + row + x * 3;
      uint8_t* to = image.rgb.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + x) * 3;
      to[0] = bgr[2];
      to[1] = bgr[1];
      to[2] = bgr[0];
    }
  }
  image.ok = true;
  return image;
}

std::vector<HostEvent> HostMessages(const SimRun& run) {
  std::vector<HostEvent> out;
  for (const SimEvent& e : run.events) {
    if (e.event == "message") out.push_back(HostEvent{e.to, e.msg, e.wParam, e.lParam});
  }
  return out;
}

std::string Describe(const std::vector<HostEvent>& list) {
  std::string out;
  for (const HostEvent& e : list) {
    out += "  " + e.to + " <- " + std::to_string(e.msg) + " (" + std::to_string(e.wParam) + ", " +
           std::to_string(e.lParam) + ")\n";
  }
  return out.empty() ? "  (none)\n" : out;
}

std::vector<std::string> DebugLines(const SimRun& run) {
  std::vector<std::string> out;
  for (const SimEvent& e : run.events) {
    if (e.event == "debug" && e.from != "second") out.push_back(e.text);
  }
  return out;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += "  [" + l + "]\n";
  return out.empty() ? "  (none)\n" : out;
}
