// Which pixels a box drawn with a pen of some width inside its frame covers,
// filled as rectangles, so that what shows follows the banner's definition
// to the pixel (the end-to-end banner tests check each one).
#pragma once

#include <vector>

namespace quimbly::platform::win32 {

struct PixelRect {
  int left, top, right, bottom;  // right and bottom exclusive
  bool operator==(const PixelRect&) const = default;
};

// A box between two corners in twips (both corners included). A coordinate
// falls in the pixel that holds it. The pen lies inside the box: a frame
// penWidth pixels thick, or the whole box when it is too small to be hollow.
std::vector<PixelRect> InsideFrameBox(float x1, float y1, float x2, float y2, int penWidth);

}  // namespace quimbly::platform::win32
