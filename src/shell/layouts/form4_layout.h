#pragma once

#include "platform/layout.h"

namespace quimbly::shell {

// The change-handle dialog: banner and entry box; Enter confirms.
const platform::FormLayout& Form4Layout();

}  // namespace quimbly::shell
