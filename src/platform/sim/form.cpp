#include "platform/sim/form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/rules/display_scale.h"
#include "platform/sim/toolkit.h"

namespace quimbly::platform::sim {

SimTimer::SimTimer(SimToolkit& toolkit, const ControlLayout& layout, FormEvents& events)
    : toolkit_(toolkit), layout_(layout), events_(events) {
  toolkit_.timers_.push_back(this);
}

SimTimer::~SimTimer() { std::erase(toolkit_.timers_, this); }

void SimTimer::FallDue() {
  due_ += layout_.intervalMs / 1000.0;
  toolkit_.Post([&events = events_, name = layout_.name] { events.Raise(name, Event::Timer); });
}

void SimTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) due_ = toolkit_.Now() + layout_.intervalMs / 1000.0;
  enabled_ = enabled;
}

// The items are captions as they stand; the choice the test made for this
// pop-up goes to the menu's own form.
void SimMenu::PopUp(const Form& over, float xTwips) {
  std::vector<std::string> items;
  for (const MenuLayout& m : owner_.Layout().menus) {
    if (m.parent == name_) items.push_back(owner_.MenuItem(m.name).Caption());
  }
  SimToolkit& toolkit = owner_.Toolkit();
  toolkit.popups_.push_back({over.hWnd(), xTwips, items});
  if (const auto choice = std::exchange(toolkit.nextPopupChoice_, std::nullopt)) owner_.Events().Raise(*choice, Event::Click);
}

SimForm::SimForm(SimToolkit& toolkit, const FormLayout& layout, FormEvents& events)
    : toolkit_(toolkit), layout_(layout), events_(events),
      hwnd_(toolkit.windows_.CreateWindow("Sim" + std::string(layout.name))) {
  for (const ControlLayout& c : layout.controls) {
    switch (c.kind) {
      case ControlKind::Label:
        controls_.Add<platform::Label>(c.name, texts_.emplace_back(std::make_unique<SimText>(c.text)).get());
        break;
      case ControlKind::TextBox:
        controls_.Add<platform::TextBox>(c.name, texts_.emplace_back(std::make_unique<SimText>(c.text)).get());
        break;
      case ControlKind::Timer:
        controls_.Add(c.name, timers_.emplace_back(std::make_unique<SimTimer>(toolkit, c, events)).get());
        break;
      case ControlKind::PictureBox:
        controls_.Add(c.name, pictures_.emplace_back(std::make_unique<SimPictureBox>(c)).get());
        break;
    }
  }
  for (const MenuLayout& m : layout.menus) {
    if (IsTopLevel(m)) {
      controls_.Add(m.name, menus_.emplace_back(std::make_unique<SimMenu>(*this, m.name)).get());
    } else {
      controls_.Add<platform::MenuItem>(m.name, texts_.emplace_back(std::make_unique<SimText>(m.caption)).get());
    }
  }
  toolkit_.forms_.push_back(this);
}

SimForm::~SimForm() {
  std::erase(toolkit_.forms_, this);
  toolkit_.windows_.DestroyWindow(hwnd_);
}

// Coming into view, each box without a persistent image asks for Paint.
void SimForm::Show() {
  for (const ControlLayout& c : layout_.controls) {
    if (!visible_ && c.kind == ControlKind::PictureBox && !Picture(c.name).AutoRedraw()) {
      toolkit_.Post([this, name = c.name] { events_.Raise(name, Event::Paint); });
    }
  }
  visible_ = true;
}

float SimForm::ScreenWidth() const { return toolkit_.ScreenWidth(); }

// The system places windows on whole pixels; what is read back is that place.
void SimForm::SetLeft(float twips) {
  const DisplayScale standard;
  left_ = standard.Twips(standard.Pixels(twips));
}

template <typename Kind>
Kind& SimForm::Get(std::string_view name) const {
  if (Kind* control = controls_.Find<Kind>(name)) return *control;
  throw std::logic_error(std::string(layout_.name) + " has no such control of that kind: " + std::string(name));
}

void SimForm::Press(std::string_view control, Event event) {
  if (FindControl(layout_, control) == nullptr) {
    throw std::logic_error(std::string(layout_.name) + " has no control " + std::string(control));
  }
  events_.Raise(control, event);
}

void SimForm::Key(std::string_view control, int key) {
  events_.Raise(control, Event::KeyPress, key);
  if (key >= ' ') TextBox(control).SetText(TextBox(control).Text() + static_cast<char>(key));
}

}  // namespace quimbly::platform::sim
