#include "device_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>

namespace {

wchar_t DriveFromCommandLine() {
  for (int i = 1; i < __argc; ++i) {
    const wchar_t* arg = __wargv ? __wargv[i] : nullptr;
    if (arg != nullptr && wcsncmp(arg, L"--drive=", 8) == 0 && arg[8] != 0) return arg[8];
  }
  return 0;
}

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path);
  return p.substr(0, p.find_last_of(L"\\/"));
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring child = path + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

std::wstring SkinFolder() { return ExeFolder() + L"\\..\\skins"; }

bool MakeFolders(const std::wstring& path) {
  for (size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == L'\\') CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
  }
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DeviceFolder::DeviceFolder() : m_drive(DriveFromCommandLine()) {
  if (m_drive == 0) {
    ADD_FAILURE() << "this test program needs --drive=X (a drive the test bench mapped)";
    return;
  }
  DWORD attributes = GetFileAttributesW(Root().c_str());
  m_ok = attributes != INVALID_FILE_ATTRIBUTES;
  if (!m_ok) ADD_FAILURE() << "drive " << static_cast<char>(m_drive) << ": is not mapped";
}

std::wstring DeviceFolder::Root() const { return std::wstring(1, m_drive) + L":\\"; }

void DeviceFolder::MakeCurrent() const { SetCurrentDirectoryW(Root().c_str()); }

void DeviceFolder::Clear() const {
  if (!m_ok) return;
  RemoveTree(Root() + L"ResidentFlash");
  RemoveTree(Root() + L"SDMMC DISK");
}

std::wstring DeviceFolder::ConfigPath() const { return Root() + L"SDMMC DISK\\Velmora\\Config.dat"; }

void DeviceFolder::WriteConfig(const std::vector<unsigned char>& bytes) const {
  MakeFolders(Root() + L"SDMMC DISK\\Velmora");
  HANDLE file = CreateFileW(ConfigPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD written = 0;
  if (!bytes.empty()) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(bytes.size(), written);
}

void DeviceFolder::RemoveConfig() const { DeleteFileW(ConfigPath().c_str()); }

std::wstring DeviceFolder::ImageFolder() const {
  return Root() + L"ResidentFlash\\System\\Images\\MainMenu";
}

void DeviceFolder::InstallSkins(const std::vector<std::wstring>& except) const {
  static const wchar_t* kNames[] = {L"bg_caution.bmp",      L"BB_popup.bmp",
                                    L"btn_cau_yes_nor.bmp", L"btn_cau_yes_hot.bmp",
                                    L"btn_cau_yes_dis.bmp", L"btn_cau_no_nor.bmp",
                                    L"btn_cau_no_hot.bmp",  L"btn_cau_no_dis.bmp"};
  ASSERT_TRUE(MakeFolders(ImageFolder()));
  for (const wchar_t* name : kNames) {
    bool skip = false;
    for (const std::wstring& e : except) skip = skip || e == name;
    if (skip) continue;
    std::wstring from = SkinFolder() + L"\\" + name;
    std::wstring to = ImageFolder() + L"\\" + name;
    ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE))
        << "cannot copy skin " << testing::PrintToString(from);
  }
}
