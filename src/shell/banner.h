#pragma once

#include "platform/toolkit.h"

namespace quimbly::shell {

// The white-to-sky-blue gradient of the three banner strips, drawn once into
// the box's persistent image as vertical bars 10 twips apart.
void PaintBanner(platform::PictureBox& box);

}  // namespace quimbly::shell
