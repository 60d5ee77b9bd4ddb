#include "platform/rules/bitmap.h"

#include <algorithm>
#include <cstddef>

namespace quimbly::platform {
namespace {

constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kRunLength8 = 1;    // BI_RLE8
constexpr int kLargestSide = 4096;          // far beyond any picture of ours

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Has(std::size_t at, std::size_t count) const { return at <= bytes_.size() && count <= bytes_.size() - at; }
  std::uint32_t U16(std::size_t at) const { return bytes_[at] | bytes_[at + 1] << 8; }
  std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
  std::uint8_t U8(std::size_t at) const { return bytes_[at]; }

 private:
  std::span<const std::uint8_t> bytes_;
};

std::uint32_t Rgb(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 | blue;
}

bool ReadUncompressed24(const Reader& file, std::size_t bits, Bitmap& out) {
  const std::size_t stride = (static_cast<std::size_t>(out.width) * 3 + 3) / 4 * 4;
  if (!file.Has(bits, stride * out.height)) return false;
  for (int y = 0; y < out.height; ++y) {
    const std::size_t row = bits + stride * (out.height - 1 - y);
    for (int x = 0; x < out.width; ++x) {
      const std::size_t at = row + 3 * static_cast<std::size_t>(x);
      out.pixels[static_cast<std::size_t>(y) * out.width + x] = Rgb(file.U8(at), file.U8(at + 1), file.U8(at + 2));
    }
  }
  return true;
}

// Pairs of bytes: a count and a palette index repeat that many times; a zero
// count escapes to the row's end (0), the picture's end (1), a jump (2, dx,
// dy) or that many literal indexes padded to an even length (3 and more).
bool ReadRunLength8(const Reader& file, std::size_t at, std::size_t end, const std::vector<std::uint32_t>& palette,
                    Bitmap& out) {
  int x = 0, y = 0;  // from the bottom row up, as the file stores them
  const auto put = [&](std::uint8_t index) {
    if (index >= palette.size()) return false;
    if (x < out.width && y < out.height) {
      out.pixels[static_cast<std::size_t>(out.height - 1 - y) * out.width + x] = palette[index];
    }
    ++x;
    return true;
  };
  while (at + 2 <= end) {
    const std::uint8_t count = file.U8(at), value = file.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) {
        if (!put(value)) return false;
      }
      continue;
    }
    switch (value) {
      case 0:
        x = 0;
        ++y;
        break;
      case 1:
        return true;
      case 2:
        if (at + 2 > end) return false;
        x += file.U8(at);
        y += file.U8(at + 1);
        at += 2;
        break;
      default:
        if (at + value > end) return false;
        for (int k = 0; k < value; ++k) {
          if (!put(file.U8(at + k))) return false;
        }
        at += value + (value & 1);
        break;
    }
  }
  return false;  // no end-of-picture mark: the file was cut short
}

}  // namespace

std::optional<Bitmap> ReadBmp(std::span<const std::uint8_t> bytes) {
  const Reader file(bytes);
  constexpr std::size_t kInfo = 14;  // the file header's size; the info header follows
  if (!file.Has(0, kInfo + 40) || file.U16(0) != 0x4D42) return std::nullopt;  // "BM"
  const std::size_t bits = file.U32(10), infoSize = file.U32(kInfo);
  const auto width = static_cast<std::int32_t>(file.U32(kInfo + 4));
  const auto height = static_cast<std::int32_t>(file.U32(kInfo + 8));
  const std::uint32_t bitCount = file.U16(kInfo + 14), compression = file.U32(kInfo + 16);
  const std::uint32_t sizeImage = file.U32(kInfo + 20), coloursUsed = file.U32(kInfo + 32);
  if (infoSize < 40 || width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return std::nullopt;

  Bitmap out{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0)};
  if (bitCount == 24 && compression == kUncompressed) {
    if (!ReadUncompressed24(file, bits, out)) return std::nullopt;
    return out;
  }
  if (bitCount != 8 || compression != kRunLength8) return std::nullopt;
  const std::size_t entries = coloursUsed == 0 ? 256 : coloursUsed;
  const std::size_t paletteAt = kInfo + infoSize;
  if (entries > 256 || !file.Has(paletteAt, 4 * entries) || !file.Has(bits, sizeImage)) return std::nullopt;
  std::vector<std::uint32_t> palette;
  for (std::size_t k = 0; k < entries; ++k) {
    const std::size_t at = paletteAt + 4 * k;
    palette.push_back(Rgb(file.U8(at), file.U8(at + 1), file.U8(at + 2)));
  }
  if (!ReadRunLength8(file, bits, bits + sizeImage, palette, out)) return std::nullopt;
  return out;
}

Bitmap Resample(const Bitmap& from, int width, int height) {
  Bitmap out{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0), 0)};
  if (from.width <= 0 || from.height <= 0 || width <= 0 || height <= 0) return out;
  const double sx = static_cast<double>(from.width) / width, sy = static_cast<double>(from.height) / height;
  for (int y = 0; y < height; ++y) {
    const double top = y * sy, bottom = (y + 1) * sy;
    for (int x = 0; x < width; ++x) {
      const double left = x * sx, right = (x + 1) * sx;
      double sum[3] = {0, 0, 0}, area = 0;
      for (int v = static_cast<int>(top); v < from.height && v < bottom; ++v) {
        const double h = std::min(bottom, v + 1.0) - std::max(top, static_cast<double>(v));
        for (int u = static_cast<int>(left); u < from.width && u < right; ++u) {
          const double w = (std::min(right, u + 1.0) - std::max(left, static_cast<double>(u))) * h;
          const std::uint32_t p = from.At(u, v);
          sum[0] += w * (p >> 16 & 0xFF);
          sum[1] += w * (p >> 8 & 0xFF);
          sum[2] += w * (p & 0xFF);
          area += w;
        }
      }
      // Never negative, so a half added and cut off rounds as std::lround does,
      // without the toolchain's lround, which is built for the Pentium Pro.
      const auto channel = [&](int k) { return static_cast<std::uint32_t>(sum[k] / area + 0.5); };
      out.pixels[static_cast<std::size_t>(y) * width + x] = channel(0) << 16 | channel(1) << 8 | channel(2);
    }
  }
  return out;
}

}  // namespace quimbly::platform
