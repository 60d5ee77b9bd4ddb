// The pictures the layouts show, each drawn at several scales and built into
// the program, and the one to show at a display's scale.
#pragma once

#include <cstdint>
#include <span>

#include "platform/rules/bitmap.h"
#include "platform/rules/display_scale.h"
#include "platform/layout.h"

namespace quimbly::platform {

// One drawing of a picture: a BMP file drawn at a scale (100: as at 96 DPI).
struct PictureFile {
  int percent;
  std::span<const std::uint8_t> bytes;
};

// The drawings of a picture, from the smallest scale up; the first is at 100.
// Made at build time from the files under assets/.
std::span<const PictureFile> PictureFiles(Picture picture);

// The picture as the display's scale lays it out: the drawing made at that
// scale, or the nearest larger one (else the largest) resampled to the size
// the scale gives. Empty for no picture, or should a drawing not read.
Bitmap PictureAt(Picture picture, const DisplayScale& scale);

}  // namespace quimbly::platform
