// The layouts' pictures as bitmaps GDI draws, made once for each scale a
// form is laid out at and kept while the program runs.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/rules/display_scale.h"
#include "platform/layout.h"

namespace quimbly::platform::win32 {

class PictureCache {
 public:
  PictureCache() = default;
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;
  ~PictureCache();

  // Null for no picture, or when Windows could not make the bitmap.
  HBITMAP At(Picture picture, const DisplayScale& scale);

 private:
  struct Entry {
    Picture picture;
    int dpi;
    HBITMAP bitmap;
  };
  std::vector<Entry> entries_;
};

}  // namespace quimbly::platform::win32
