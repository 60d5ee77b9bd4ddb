#pragma once

#include "platform/layout.h"

namespace quimbly::shell {

// The first-run dialog: banner, entry box and a white "ok".
const platform::FormLayout& Form3Layout();

}  // namespace quimbly::shell
