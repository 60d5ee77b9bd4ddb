// Which pixels a box drawn with an inside-frame pen covers, filled as
// rectangles, so that what shows follows the banner's definition to the
// pixel at every display scale.
#pragma once

#include <vector>

#include "platform/rules/display_scale.h"

namespace quimbly::platform {

// A box between two corners in twips (both corners included); a coordinate
// falls in the pixel that holds it. The pen, penWidth pixels at 96 DPI and
// as much wider as the display's scale, lies inside the box: a frame that
// thick, or the whole box when it is too small to be hollow. A box narrower
// or lower than the pen comes out as wide as the pen, as a pen covers it.
std::vector<PixelRect> InsideFrameBox(float x1, float y1, float x2, float y2, int penWidth,
                                      const DisplayScale& scale);

}  // namespace quimbly::platform
