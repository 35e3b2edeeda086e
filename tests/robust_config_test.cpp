// The configuration flag against every short configuration file: each
// length from 0 to 16 bytes with each value of byte 8 (the other bytes hold
// the value's complement, so a read from the wrong offset shows: for 0xFE
// they are all 1). The flag is set exactly for files of nine bytes or more
// whose byte 8 is 1, and reading never changes the file. Also a file that
// cannot be opened, a read-only one, and no file at all. In-process, with
// the device's root on a drive of this program's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "device_folder.h"
#include "popup_screen.h"

namespace {

struct FileState {
  bool exists = false;
  std::vector<unsigned char> bytes;
  FILETIME written = {};
  DWORD attributes = 0;
};

FileState ReadState(const std::wstring& path) {
  FileState state;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return state;
  state.exists = true;
  unsigned char buffer[64];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    state.bytes.insert(state.bytes.end(), buffer, buffer + got);
  }
  GetFileTime(file, nullptr, nullptr, &state.written);
  CloseHandle(file);
  state.attributes = GetFileAttributesW(path.c_str());
  return state;
}

bool Same(const FileState& a, const FileState& b) {
  return a.exists == b.exists && a.bytes == b.bytes && a.attributes == b.attributes &&
         CompareFileTime(&a.written, &b.written) == 0;
}

// Names in the configuration folder.
std::vector<std::wstring> FolderNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

class ConfigurationFlag : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(device.ok());
    device.Clear();
    device.MakeCurrent();
  }
  void TearDown() override {
    SetFileAttributesW(device.ConfigPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    device.Clear();
  }
  DeviceFolder device;
};

// The file's bytes, size and last-write time, read through an open handle.
FileState StateOf(HANDLE file) {
  FileState state;
  state.exists = true;
  LARGE_INTEGER size = {};
  GetFileSizeEx(file, &size);
  state.bytes.resize(static_cast<size_t>(size.QuadPart));
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  DWORD got = 0;
  if (!state.bytes.empty()) ReadFile(file, state.bytes.data(), static_cast<DWORD>(state.bytes.size()), &got, nullptr);
  state.bytes.resize(got);
  GetFileTime(file, nullptr, nullptr, &state.written);
  return state;
}

TEST_F(ConfigurationFlag, SetExactlyForNineBytesOrMoreWithOneAtOffsetEight) {
  const std::wstring path = device.ConfigPath();
  const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
  int failures = 0;
  for (int length = 0; length <= 16 && failures < 10; ++length) {
    // One file per length, rewritten in place for each value (the reader
    // opens it anew every time, as the pop-up does for every report).
    device.WriteConfig(std::vector<unsigned char>(static_cast<size_t>(length), 0));
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    for (int value = 0; value < 256 && failures < 10; ++value) {
      std::vector<unsigned char> bytes(static_cast<size_t>(length));
      for (int i = 0; i < length; ++i) {
        bytes[static_cast<size_t>(i)] = static_cast<unsigned char>(i == 8 ? value : value ^ 0xFF);
      }
      SetFilePointer(file, 0, nullptr, FILE_BEGIN);
      DWORD written = 0;
      if (length > 0) WriteFile(file, bytes.data(), static_cast<DWORD>(length), &written, nullptr);
      ASSERT_EQ(static_cast<DWORD>(length), written);
      const FileState before = StateOf(file);
      ASSERT_EQ(bytes, before.bytes);

      const bool flag = CPopupScreen::ReadConfigurationFlag();

      const bool expected = length >= 9 && value == 1;
      char where[64];
      std::snprintf(where, sizeof where, "a file of %d bytes with byte 8 = 0x%02X", length, value);
      if (flag != expected) {
        ADD_FAILURE() << where << ": the flag is " << (flag ? "set" : "not set");
        ++failures;
      }
      const FileState after = StateOf(file);
      if (after.bytes != before.bytes || CompareFileTime(&after.written, &before.written) != 0) {
        ADD_FAILURE() << where << ": reading the flag changed the file";
        ++failures;
      }
    }
    CloseHandle(file);
    std::vector<std::wstring> names = FolderNames(folder);
    EXPECT_EQ(std::vector<std::wstring>{L"Config.dat"}, names) << "files of " << length << " bytes";
  }
}

TEST_F(ConfigurationFlag, AFileThatCannotBeReadCountsAsNotSet) {
  // No file, no folder.
  EXPECT_FALSE(CPopupScreen::ReadConfigurationFlag());

  const std::vector<unsigned char> set = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0};
  device.WriteConfig(set);
  // Opened by another program that lets nobody read it meanwhile.
  HANDLE locked = CreateFileW(device.ConfigPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, locked);
  EXPECT_FALSE(CPopupScreen::ReadConfigurationFlag());
  CloseHandle(locked);

  // A read-only file is read as any other; it stays read-only and unchanged.
  ASSERT_TRUE(SetFileAttributesW(device.ConfigPath().c_str(), FILE_ATTRIBUTE_READONLY));
  const FileState before = ReadState(device.ConfigPath());
  EXPECT_TRUE(CPopupScreen::ReadConfigurationFlag());
  EXPECT_TRUE(Same(before, ReadState(device.ConfigPath())));

  // A folder where the file should be.
  SetFileAttributesW(device.ConfigPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  device.RemoveConfig();
  ASSERT_TRUE(CreateDirectoryW(device.ConfigPath().c_str(), nullptr));
  EXPECT_FALSE(CPopupScreen::ReadConfigurationFlag());
  RemoveDirectoryW(device.ConfigPath().c_str());
}

}  // namespace
