// A rendered line for a terminal: with the terminal's own bold, italic,
// underline, strike-through and 24-bit colours (ANSI SGR), or as plain text.
#pragma once

#include <string>
#include <vector>

#include "markup.h"

namespace quimbly::markup {

// Each run after an SGR sequence of its style; the terminal's own style again at the end.
std::string WithSgr(const std::vector<Run>& runs);

// The runs' text alone.
std::string PlainText(const std::vector<Run>& runs);

}  // namespace quimbly::markup
