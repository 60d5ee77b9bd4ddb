#include "platform/sim/form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/rules/display_scale.h"
#include "platform/sim/toolkit.h"

namespace quimbly::platform::sim {
namespace {

constexpr int kBackspace = 8;

void ApplyKey(TextBox& box, int key) {
  std::string text = box.Text();
  if (key == kBackspace) {
    if (!text.empty()) text.pop_back();
  } else if (key >= ' ') {
    text += static_cast<char>(key);
  }
  box.SetText(text);
}

}  // namespace

void SimTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) due_ = toolkit_.Now() + layout_.intervalMs / 1000.0;
  enabled_ = enabled;
}

void SimPictureBox::Box(float x1, float y1, float x2, float y2, Colour colour) {
  if (!IsBannerPen(drawStyle_, drawMode_)) return;
  boxes_.push_back({x1, y1, x2, y2, colour});
}

bool SimPictureBox::NeedsPaint() {
  if (autoRedraw_) return false;
  boxes_.clear();
  return true;
}

// The items are captions as they stand; the choice the test made for this
// pop-up goes to the menu's own form.
void SimMenu::PopUp(const Form& over, float xTwips) {
  std::vector<std::string> items;
  for (const MenuLayout& m : owner_.Layout().menus) {
    if (m.parent == name_) items.push_back(owner_.MenuItem(m.name).Caption());
  }
  if (const auto choice = owner_.Toolkit().ShowPopup({over.hWnd(), xTwips, items})) {
    owner_.Events().Raise(*choice, Event::Click);
  }
}

SimForm::SimForm(SimToolkit& toolkit, const FormLayout& layout, FormEvents& events)
    : toolkit_(toolkit), layout_(layout), events_(events),
      hwnd_(toolkit.Windows().CreateWindow("Sim" + std::string(layout.name))) {
  for (const ControlLayout& c : layout.controls) {
    Control& control = controls_[std::string(c.name)];
    switch (c.kind) {
      case ControlKind::Label: control = {Kind::Label, std::make_unique<SimText>(c.text)}; break;
      case ControlKind::TextBox: control = {Kind::TextBox, std::make_unique<SimText>(c.text)}; break;
      case ControlKind::Timer: control = {Kind::Timer, nullptr, std::make_unique<SimTimer>(toolkit, c)}; break;
      case ControlKind::PictureBox:
        control = {Kind::PictureBox, nullptr, nullptr, std::make_unique<SimPictureBox>(c)};
        break;
    }
  }
  for (const MenuLayout& m : layout.menus) {
    Control& control = controls_[std::string(m.name)];
    if (m.parent.empty()) {
      control = {Kind::Menu, nullptr, nullptr, nullptr, std::make_unique<SimMenu>(*this, m.name)};
    } else {
      control = {Kind::MenuItem, std::make_unique<SimText>(m.caption)};
    }
  }
  toolkit_.Loaded(this);
}

SimForm::~SimForm() {
  toolkit_.Unloaded(this);
  toolkit_.Windows().DestroyWindow(hwnd_);
}

void SimForm::Show() {
  if (!visible_) Uncover();
  visible_ = true;
  const auto order = TabOrder(layout_);
  focused_ = order.empty() ? std::string() : std::string(order.front()->name);
}

// The system places windows on whole pixels; what is read back is that place.
float SimForm::ScreenWidth() const { return toolkit_.ScreenWidth(); }

void SimForm::SetLeft(float twips) {
  const DisplayScale standard;
  left_ = standard.Twips(standard.Pixels(twips));
}

template <typename T>
T& SimForm::Get(std::string_view name, Kind kind, std::unique_ptr<T> Control::*slot) const {
  const auto it = controls_.find(name);
  if (it == controls_.end() || it->second.kind != kind) {
    throw std::logic_error(std::string(layout_.name) + " has no such control of that kind: " + std::string(name));
  }
  return *(it->second.*slot);
}

void SimForm::Uncover() {
  for (auto& [name, control] : controls_) {
    if (control.kind != Kind::PictureBox || !control.picture->NeedsPaint()) continue;
    toolkit_.Post([this, box = control.picture.get(), name = name] {
      box->CountPaintEvent();
      events_.Raise(name, Event::Paint);
    });
  }
}

void SimForm::Press(std::string_view control, Event event) {
  const ControlLayout* layout = FindControl(layout_, control);
  if (layout == nullptr) throw std::logic_error(std::string(layout_.name) + " has no control " + std::string(control));
  if (TakesFocus(*layout)) focused_ = control;
  events_.Raise(control, event);
}

void SimForm::Key(int key) {
  const ControlLayout* focused = FindControl(layout_, focused_);
  if (focused == nullptr) return;
  events_.Raise(focused->name, Event::KeyPress, key);
  if (key != 0 && focused->kind == ControlKind::TextBox) ApplyKey(TextBox(focused->name), key);
}

// In creation order, which breaks ties between timers due at once.
std::vector<SimTimer*> SimForm::Timers() {
  std::vector<SimTimer*> timers;
  for (const ControlLayout& c : layout_.controls) {
    if (c.kind == ControlKind::Timer) timers.push_back(&Get(c.name, Kind::Timer, &Control::timer));
  }
  return timers;
}

}  // namespace quimbly::platform::sim
