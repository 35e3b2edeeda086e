// DeviceFolder: the root of the device as a test sees it. Each test program
// is given a drive letter of its own (--drive=X on its command line), mapped
// by the test bench to an empty folder; root-relative device paths such as
// "\SDMMC DISK\Velmora\Config.dat" land there once that drive is current.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DeviceFolder {
 public:
  // Takes the drive from --drive=X; fails the test (and stays unusable)
  // when it is missing or not mapped.
  DeviceFolder();

  bool ok() const { return m_ok; }
  wchar_t Drive() const { return m_drive; }
  std::wstring Root() const;  // "X:\"

  // Makes the drive current, so that root-relative paths land in it.
  void MakeCurrent() const;

  // Removes everything the tests put on the device.
  void Clear() const;

  // The configuration file with exactly these bytes.
  void WriteConfig(const std::vector<unsigned char>& bytes) const;
  void RemoveConfig() const;
  std::wstring ConfigPath() const;

  // Copies the generated skins into the image folder, leaving out any file
  // named in except.
  void InstallSkins(const std::vector<std::wstring>& except = {}) const;
  std::wstring ImageFolder() const;  // "X:\ResidentFlash\System\Images\MainMenu"

 private:
  wchar_t m_drive = 0;
  bool m_ok = false;
};

// The folder of the generated skins (beside the test programs' folder).
std::wstring SkinFolder();

// Makes every folder of path (with backslashes); true if it exists after.
bool MakeFolders(const std::wstring& path);
