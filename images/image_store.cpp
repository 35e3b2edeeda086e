#include "image_store.h"

#include "device_services.h"
#include "wide_format.h"

CImageStore::CImageStore() : targetDC(nullptr), transparent(FALSE), transparentColor(0) {
  for (ImageEntry* entry = g_imageTable; entry->id >= 0; ++entry) entry->bitmap = nullptr;
}

CImageStore::~CImageStore() {
  for (ImageEntry* entry = g_imageTable; entry->id >= 0; ++entry) {
    if (entry->bitmap != nullptr) {
      DeleteObject(entry->bitmap);
      entry->bitmap = nullptr;
    }
  }
}

bool CImageStore::LoadAll() {
  for (ImageEntry* entry = g_imageTable; entry->id >= 0; ++entry) {
    // The folder part is 38 characters and a file name at most 99, so the
    // path always fits.
    WCHAR path[MAX_PATH];
    WideFormat(path, MAX_PATH, IMAGE_PATH_FORMAT, entry->fileName);
    entry->bitmap = SHLoadDIBitmap(path);
    // A missing skin only leaves its image undrawn; the screens still open.
    if (entry->bitmap == nullptr) NKDbgPrintfW(L"Image not found: %s\r\n", path);
  }
  return true;
}

ImageEntry* CImageStore::Find(int imageId) {
  // By comparison, not by index: the terminator's own -1 is never a match.
  for (ImageEntry* entry = g_imageTable; entry->id >= 0; ++entry) {
    if (entry->id == imageId) return entry;
  }
  return nullptr;
}
