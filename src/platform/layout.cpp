#include "platform/layout.h"

#include <algorithm>

namespace quimbly::platform {

const ControlLayout* FindControl(const FormLayout& form, std::string_view name) {
  const auto it = std::find_if(form.controls.begin(), form.controls.end(),
                               [name](const ControlLayout& c) { return c.name == name; });
  return it == form.controls.end() ? nullptr : &*it;
}

bool TakesFocus(const ControlLayout& control) {
  return (control.kind == ControlKind::TextBox || control.kind == ControlKind::PictureBox) &&
         control.tabIndex != kNoTabStop;
}

std::vector<const ControlLayout*> TabOrder(const FormLayout& form) {
  std::vector<const ControlLayout*> order;
  for (const ControlLayout& c : form.controls) {
    if (TakesFocus(c)) order.push_back(&c);
  }
  // Tab indexes are unique within a form (the layout tests hold them to it).
  std::sort(order.begin(), order.end(),
                   [](const ControlLayout* a, const ControlLayout* b) { return a->tabIndex < b->tabIndex; });
  return order;
}

}  // namespace quimbly::platform
