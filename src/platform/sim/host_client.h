// The host chat client's window tree, built inside the simulated window system,
// with the same document kinds as the demo host.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/sim/window_tree.h"

namespace quimbly::platform::sim {

enum class Document {
  Room,              // view, input box, member list, icon, static text
  NonChat,           // view and input box, icon, static text; no member list
  RoomWithoutInput,  // a room missing its second rich-text box
};

struct HostClient {
  WindowHandle frame = 0;
  WindowHandle mdi = 0;
  std::vector<WindowHandle> documents;  // in child order
  std::vector<WindowHandle> inputs;     // the box each document posts from
};

// Adds a running host client whose documents lie in the given child order.
HostClient AddHostClient(SimWindowSystem& windows, std::initializer_list<Document> documents);

}  // namespace quimbly::platform::sim
