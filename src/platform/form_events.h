// What a form hears from its controls, and the table that binds each control
// event to the handler its form names after control and event
// (Label4_Click, Timer1_Timer). The toolkit checks every binding against the
// form's layout when it loads the form, so a misspelt control stops the
// program at start-up instead of leaving a dead click.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout.h"

namespace quimbly::platform {

enum class Event { Click, MouseDown, KeyPress, Timer, Paint };

struct EventBinding {
  std::string_view control;
  Event event;
};

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // Every control event the form handles.
  virtual std::vector<EventBinding> Bindings() const = 0;
  // Runs the handler bound to the control's event, if there is one. A
  // KeyPress handler may change the key; 0 swallows it.
  virtual void Raise(std::string_view control, Event event, int& key) = 0;
  void Raise(std::string_view control, Event event) {
    int none = 0;
    Raise(control, event, none);
  }
  // The user closed the window through the system (Alt+F4, the window menu).
  virtual void CloseRequested() {}
  // Windows is ending the session (log off, shut down, restart); it ends the
  // process once every window has heard of it.
  virtual void SessionEnding() {}
};

// One row of a form's handler table.
template <typename Owner>
struct Handler {
  EventBinding binding;
  void (Owner::*run)() = nullptr;
  void (Owner::*runWithKey)(int& key) = nullptr;
};

template <typename Owner>
constexpr Handler<Owner> OnClick(std::string_view control, void (Owner::*run)()) {
  return {{control, Event::Click}, run};
}
template <typename Owner>
constexpr Handler<Owner> OnMouseDown(std::string_view control, void (Owner::*run)()) {
  return {{control, Event::MouseDown}, run};
}
template <typename Owner>
constexpr Handler<Owner> OnPaint(std::string_view control, void (Owner::*run)()) {
  return {{control, Event::Paint}, run};
}
template <typename Owner>
constexpr Handler<Owner> OnTimer(std::string_view control, void (Owner::*run)()) {
  return {{control, Event::Timer}, run};
}
template <typename Owner>
constexpr Handler<Owner> OnKeyPress(std::string_view control, void (Owner::*run)(int& key)) {
  return {{control, Event::KeyPress}, nullptr, run};
}

// The events of a form whose handlers are the table Owner::Handlers().
template <typename Owner>
class HandledEvents : public FormEvents {
 public:
  using FormEvents::Raise;

  std::vector<EventBinding> Bindings() const final {
    std::vector<EventBinding> bindings;
    for (const Handler<Owner>& h : Owner::Handlers()) bindings.push_back(h.binding);
    return bindings;
  }

  void Raise(std::string_view control, Event event, int& key) final {
    for (const Handler<Owner>& h : Owner::Handlers()) {
      if (h.binding.control != control || h.binding.event != event) continue;
      Owner& self = static_cast<Owner&>(*this);
      if (h.run != nullptr) {
        (self.*h.run)();
      } else {
        (self.*h.runWithKey)(key);
      }
      return;
    }
  }
};

// Why the bindings do not fit the layout (a control it lacks, an event that
// kind of control never raises, a binding made twice), or "" when they fit.
std::string BindingFault(const FormLayout& form, std::span<const EventBinding> bindings);

}  // namespace quimbly::platform
