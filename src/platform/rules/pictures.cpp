#include "platform/rules/pictures.h"

namespace quimbly::platform {

Bitmap PictureAt(Picture picture, const DisplayScale& scale) {
  const std::span<const PictureFile> files = PictureFiles(picture);
  if (files.empty()) return {};
  const auto wanted = [&](const PictureFile& f) { return f.percent * kStandardDpi >= 100 * scale.Dpi(); };
  const PictureFile* source = &files.back();
  for (const PictureFile& f : files) {
    if (wanted(f)) {
      source = &f;
      break;
    }
  }
  std::optional<Bitmap> drawn = ReadBmp(source->bytes);
  if (!drawn) return {};
  if (source->percent * kStandardDpi == 100 * scale.Dpi()) return std::move(*drawn);
  const std::optional<Bitmap> standard = ReadBmp(files.front().bytes);
  if (!standard) return {};
  return Resample(*drawn, scale.FromStandard(standard->width), scale.FromStandard(standard->height));
}

}  // namespace quimbly::platform
