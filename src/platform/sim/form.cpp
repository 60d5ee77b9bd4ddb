#include "platform/sim/form.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/sim/toolkit.h"

namespace quimbly::platform::sim {
namespace {

[[noreturn]] void NoSuchControl(std::string_view form, std::string_view name) {
  throw std::logic_error(std::string(form) + " has no such control: " + std::string(name));
}

bool CanTakeFocus(const ControlLayout& c) {
  return (c.kind == ControlKind::TextBox || c.kind == ControlKind::PictureBox) && c.tabIndex != kNoTabStop;
}

template <typename Map>
auto& Lookup(Map& map, std::string_view form, std::string_view name) {
  const auto it = map.find(name);
  if (it == map.end()) NoSuchControl(form, name);
  return *it->second;
}

}  // namespace

void SimTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) due_ = toolkit_.Now() + layout_.intervalMs / 1000.0;
  enabled_ = enabled;
}

SimForm::SimForm(SimToolkit& toolkit, const FormLayout& layout, FormEvents& events)
    : toolkit_(toolkit),
      layout_(layout),
      events_(events),
      hwnd_(toolkit.Windows().CreateWindow("Sim" + std::string(layout.name))) {
  for (const ControlLayout& c : layout.controls) {
    const std::string name(c.name);
    switch (c.kind) {
      case ControlKind::Label: labels_.emplace(name, std::make_unique<SimLabel>(c.text)); break;
      case ControlKind::TextBox: textBoxes_.emplace(name, std::make_unique<SimTextBox>(c.text)); break;
      case ControlKind::Timer: timers_.push_back(std::make_unique<SimTimer>(toolkit, c)); break;
      case ControlKind::PictureBox: pictures_.emplace(name, std::make_unique<SimPictureBox>(c)); break;
    }
  }
  for (const MenuLayout& m : layout.menus) {
    menuItems_.emplace(std::string(m.name), std::make_unique<SimMenuItem>(m.caption));
  }
  toolkit_.forms_.push_back(this);
}

SimForm::~SimForm() {
  auto& forms = toolkit_.forms_;
  forms.erase(std::find(forms.begin(), forms.end(), this));
  toolkit_.Windows().DestroyWindow(hwnd_);
}

void SimForm::Show() {
  if (!visible_) Uncover();
  visible_ = true;
  const auto order = FocusOrder();
  focused_ = order.empty() ? std::string() : std::string(order.front());
}

// The system places windows on whole pixels; what is read back is that place.
void SimForm::SetLeft(float twips) {
  left_ = static_cast<float>(std::lround(twips / kTwipsPerPixel) * kTwipsPerPixel);
}

platform::Label& SimForm::Label(std::string_view name) { return Lookup(labels_, layout_.name, name); }
platform::TextBox& SimForm::TextBox(std::string_view name) { return Lookup(textBoxes_, layout_.name, name); }
platform::MenuItem& SimForm::MenuItem(std::string_view name) { return Lookup(menuItems_, layout_.name, name); }
platform::PictureBox& SimForm::PictureBox(std::string_view name) { return Picture(name); }
SimPictureBox& SimForm::Picture(std::string_view name) { return Lookup(pictures_, layout_.name, name); }

void SimForm::Uncover() {
  for (auto& [name, picture] : pictures_) {
    if (!picture->NeedsPaint()) continue;
    toolkit_.Post([this, box = picture.get(), control = name] {
      box->CountPaintEvent();
      events_.Paint(control);
    });
  }
}

platform::Timer& SimForm::Timer(std::string_view name) {
  for (const auto& timer : timers_) {
    if (timer->Name() == name) return *timer;
  }
  NoSuchControl(layout_.name, name);
}

void SimForm::PopupMenu(Form& menuOwner, std::string_view menu, float xTwips) {
  auto& owner = dynamic_cast<SimForm&>(menuOwner);
  std::vector<std::string> captions;
  for (const MenuLayout& m : owner.layout_.menus) {
    if (m.parent == menu) captions.push_back(owner.MenuItem(m.name).Caption());
  }
  popups_.push_back(captions);
  lastPopupX_ = xTwips;
  if (const auto choice = toolkit_.TakePopupChoice()) owner.events_.Click(*choice);
}

const ControlLayout& SimForm::Control(std::string_view name) const {
  for (const ControlLayout& c : layout_.controls) {
    if (c.name == name) return c;
  }
  NoSuchControl(layout_.name, name);
}

std::vector<SimTimer*> SimForm::Timers() {
  std::vector<SimTimer*> timers;
  for (const auto& timer : timers_) timers.push_back(timer.get());
  return timers;
}

void SimForm::Focus(std::string_view control) {
  if (CanTakeFocus(Control(control))) focused_ = control;
}

void SimForm::TabForward() {
  const auto order = FocusOrder();
  if (order.empty()) return;
  auto it = std::find(order.begin(), order.end(), focused_);
  focused_ = (it == order.end() || ++it == order.end()) ? order.front() : *it;
}

std::vector<std::string_view> SimForm::FocusOrder() const {
  std::vector<const ControlLayout*> focusable;
  for (const ControlLayout& c : layout_.controls) {
    if (CanTakeFocus(c)) focusable.push_back(&c);
  }
  std::sort(focusable.begin(), focusable.end(),
            [](const ControlLayout* a, const ControlLayout* b) { return a->tabIndex < b->tabIndex; });
  std::vector<std::string_view> names;
  for (const ControlLayout* c : focusable) names.push_back(c->name);
  return names;
}

}  // namespace quimbly::platform::sim
