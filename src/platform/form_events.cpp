#include "platform/form_events.h"

#include <algorithm>

namespace quimbly::platform {
namespace {

// What each kind of control raises, as both backends deliver it.
bool Raises(ControlKind kind, Event event) {
  switch (event) {
    case Event::Click: return kind == ControlKind::Label || kind == ControlKind::PictureBox;
    case Event::MouseDown: return kind == ControlKind::PictureBox;
    case Event::KeyPress: return kind == ControlKind::TextBox;
    case Event::Timer: return kind == ControlKind::Timer;
    case Event::Paint: return kind == ControlKind::PictureBox;
  }
  return false;
}

// A menu item raises Click; a top-level menu only opens.
bool IsMenuItem(const FormLayout& form, std::string_view name) {
  return std::any_of(form.menus.begin(), form.menus.end(),
                     [name](const MenuLayout& m) { return m.name == name && !IsTopLevel(m); });
}

}  // namespace

std::string BindingFault(const FormLayout& form, std::span<const EventBinding> bindings) {
  const std::string where = std::string(form.name) + ": the handler bound to ";
  for (auto b = bindings.begin(); b != bindings.end(); ++b) {
    const std::string control(b->control);
    const ControlLayout* layout = FindControl(form, b->control);
    if (layout == nullptr && !IsMenuItem(form, b->control)) return where + control + " names no control of the layout";
    if (layout != nullptr ? !Raises(layout->kind, b->event) : b->event != Event::Click) {
      return where + control + " waits for an event that control never raises";
    }
    if (std::any_of(bindings.begin(), b, [b](const EventBinding& e) { return e.control == b->control && e.event == b->event; })) {
      return where + control + " is bound twice for one event";
    }
  }
  return {};
}

}  // namespace quimbly::platform
