#include "platform/win32/box_raster.h"

#include <algorithm>
#include <cmath>

#include "platform/layout.h"

namespace quimbly::platform::win32 {
namespace {

int PixelHolding(float twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel)); }

}  // namespace

std::vector<PixelRect> InsideFrameBox(float x1, float y1, float x2, float y2, int penWidth) {
  const PixelRect box{PixelHolding(std::min(x1, x2)), PixelHolding(std::min(y1, y2)),
                      PixelHolding(std::max(x1, x2)) + 1, PixelHolding(std::max(y1, y2)) + 1};
  const int pen = std::max(penWidth, 1);
  if (box.right - box.left <= 2 * pen || box.bottom - box.top <= 2 * pen) return {box};
  return {
      {box.left, box.top, box.right, box.top + pen},
      {box.left, box.bottom - pen, box.right, box.bottom},
      {box.left, box.top + pen, box.left + pen, box.bottom - pen},
      {box.right - pen, box.top + pen, box.right, box.bottom - pen},
  };
}

}  // namespace quimbly::platform::win32
