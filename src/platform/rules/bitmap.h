// Pictures as pixels, and the one picture file format the program reads: BMP,
// which every Windows reads too.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quimbly::platform {

// Rows top-down, each pixel 0x00RRGGBB.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A BMP file with a BITMAPINFOHEADER, either 24 bits a pixel uncompressed or
// 8 bits run-length encoded (BI_RLE8). None when the file is another kind, is
// cut short or runs outside its picture: the file's bytes are never trusted.
std::optional<Bitmap> ReadBmp(std::span<const std::uint8_t> file);

// The picture at another size, each new pixel the average of the old ones
// under it, weighted by how much of each it covers.
Bitmap Resample(const Bitmap& from, int width, int height);

}  // namespace quimbly::platform
