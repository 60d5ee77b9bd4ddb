#pragma once

#include "platform/layout.h"

namespace quimbly::shell {

// Never shown: it only owns the main window's pop-up menu.
const platform::FormLayout& Form2Layout();

}  // namespace quimbly::shell
