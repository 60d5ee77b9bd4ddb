#include "platform/rules/box_raster.h"

#include <algorithm>

namespace quimbly::platform {

std::vector<PixelRect> InsideFrameBox(float x1, float y1, float x2, float y2, int penWidth,
                                      const DisplayScale& scale) {
  const int pen = std::max(scale.FromStandard(penWidth), 1);
  const int left = scale.PixelHolding(std::min(x1, x2));
  const int top = scale.PixelHolding(std::min(y1, y2));
  const PixelRect box{left, top, std::max(scale.PixelHolding(std::max(x1, x2)) + 1, left + pen),
                      std::max(scale.PixelHolding(std::max(y1, y2)) + 1, top + pen)};
  if (box.Width() <= 2 * pen || box.Height() <= 2 * pen) return {box};
  return {
      {box.left, box.top, box.right, box.top + pen},
      {box.left, box.bottom - pen, box.right, box.bottom},
      {box.left, box.top + pen, box.left + pen, box.bottom - pen},
      {box.right - pen, box.top + pen, box.right, box.bottom - pen},
  };
}

}  // namespace quimbly::platform
