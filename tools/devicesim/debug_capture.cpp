#include "debug_capture.h"

#include <cstring>

namespace {

const DWORD kBufferSize = 4096;

}  // namespace

DebugCapture::~DebugCapture() { Stop(); }

bool DebugCapture::Start(Sink sink, bool* alreadyThere, std::wstring* error) {
  sink_ = std::move(sink);
  *alreadyThere = false;
  bufferReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
  if (bufferReady_ && GetLastError() == ERROR_ALREADY_EXISTS) *alreadyThere = true;
  dataReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize,
                                L"DBWIN_BUFFER");
  if (mapping_ && GetLastError() == ERROR_ALREADY_EXISTS) *alreadyThere = true;
  if (mapping_) {
    view_ = static_cast<const unsigned char*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
  }
  stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  drainRequest_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  drained_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (!bufferReady_ || !dataReady_ || !view_ || !stop_ || !drainRequest_ || !drained_) {
    *error = L"cannot create the DBWIN objects (error " + std::to_wstring(GetLastError()) + L")";
    Stop();
    return false;
  }
  reader_ = std::thread([this] { ReadLoop(); });
  return true;
}

void DebugCapture::AddProcess(DWORD pid) {
  std::lock_guard<std::mutex> lock(mutex_);
  pids_.insert(pid);
}

bool DebugCapture::Wanted(DWORD pid) {
  std::lock_guard<std::mutex> lock(mutex_);
  return pids_.count(pid) != 0;
}

void DebugCapture::ReadLoop() {
  SetEvent(bufferReady_);
  // Data before a drain request: when both are set, the lower index wins.
  HANDLE handles[3] = {stop_, dataReady_, drainRequest_};
  for (;;) {
    DWORD result = WaitForMultipleObjects(3, handles, FALSE, INFINITE);
    if (result == WAIT_OBJECT_0 + 2) {
      SetEvent(drained_);
      continue;
    }
    if (result != WAIT_OBJECT_0 + 1) return;

    // Copy out and hand the buffer back at once: writers wait for it.
    DWORD pid = 0;
    std::memcpy(&pid, view_, sizeof pid);
    const char* text = reinterpret_cast<const char*>(view_ + sizeof pid);
    std::string bytes(text, strnlen(text, kBufferSize - sizeof pid));
    SetEvent(bufferReady_);

    if (!Wanted(pid)) continue;
    std::wstring wide;
    if (!bytes.empty()) {
      int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
      wide.resize(static_cast<size_t>(size));
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], size);
    }
    sink_(pid, wide);
  }
}

void DebugCapture::Drain(DWORD maxMs) {
  if (!reader_.joinable()) return;
  // Whatever was written before now has set dataReady_ before drainRequest_
  // is set, and the reader serves dataReady_ first.
  ResetEvent(drained_);
  SetEvent(drainRequest_);
  WaitForSingleObject(drained_, maxMs);
}

void DebugCapture::Stop() {
  if (reader_.joinable()) {
    SetEvent(stop_);
    reader_.join();
  }
  if (view_) UnmapViewOfFile(view_);
  view_ = nullptr;
  for (HANDLE* handle : {&bufferReady_, &dataReady_, &mapping_, &stop_, &drainRequest_, &drained_}) {
    if (*handle) CloseHandle(*handle);
    *handle = nullptr;
  }
}
