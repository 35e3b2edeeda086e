// ImageEntry: one row of the image table, and the table of skin bitmaps
// itself, ended by a row with a negative id.
#pragma once

#include <windows.h>

struct ImageEntry {
  INT32 id;  // negative: end of the table
  INT32 x;   // default position of the image
  INT32 y;
  WCHAR fileName[100];
  HBITMAP bitmap;  // null while not loaded
};

// Folder of the skin bitmaps on the device, as a format for the file name.
#define IMAGE_PATH_FORMAT L"\\ResidentFlash\\System\\Images\\MainMenu\\%s"

// The one table of the process, in id order, ended by id -1.
extern ImageEntry g_imageTable[];
