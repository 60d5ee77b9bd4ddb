#include "platform/win32/picture_cache.h"

#include <cstddef>
#include <cstdint>

#include "platform/rules/pictures.h"

namespace quimbly::platform::win32 {
namespace {

// A device-independent bitmap of 24 bits a pixel, rows bottom-up: the
// classic form every Windows draws without conversion surprises.
HBITMAP MakeBitmap(const Bitmap& picture) {
  if (picture.width <= 0 || picture.height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  const std::size_t stride = (static_cast<std::size_t>(picture.width) * 3 + 3) / 4 * 4;
  auto* rows = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = rows + stride * static_cast<std::size_t>(picture.height - 1 - y);
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = picture.At(x, y);
      row[3 * x] = static_cast<std::uint8_t>(p);
      row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
    }
  }
  return bitmap;
}

}  // namespace

PictureCache::~PictureCache() {
  for (const Entry& e : entries_) {
    if (e.bitmap != nullptr) DeleteObject(e.bitmap);
  }
}

HBITMAP PictureCache::At(Picture picture, const DisplayScale& scale) {
  if (picture == Picture::None) return nullptr;
  for (const Entry& e : entries_) {
    if (e.picture == picture && e.dpi == scale.Dpi()) return e.bitmap;
  }
  entries_.push_back({picture, scale.Dpi(), MakeBitmap(PictureAt(picture, scale))});
  return entries_.back().bitmap;
}

}  // namespace quimbly::platform::win32
