#include "platform/win32/form_window.h"

#include <stdexcept>
#include <string>

#include "platform/win32/colours.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

[[noreturn]] void NoSuchControl(std::string_view form, std::string_view name) {
  throw std::logic_error(std::string(form) + " has no such control: " + std::string(name));
}

}  // namespace

FormWindow::FormWindow(const FormLayout& layout, FormEvents& events, HWND owner)
    : layout_(layout), events_(events) {
  const std::wstring title = Widen(layout.caption);
  // A popup given CW_USEDEFAULT is placed where the window system places popups.
  const RECT bounds{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + TwipsToPixels(layout.clientWidth),
                    CW_USEDEFAULT + TwipsToPixels(layout.clientHeight)};
  surface_ = std::make_unique<ContainerWindow>(
      layout.name,
      ContainerStyle{.exStyle = 0,
                     .style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                     .bounds = bounds,
                     .parent = layout.showInTaskbar ? nullptr : owner,
                     .background = Resolve(layout.background),
                     .title = title},
      events);
  surface_->OnTimer([this](UINT_PTR id) {
    for (const auto& timer : timers_) {
      if (timer->Id() == id && timer->Enabled()) events_.TimerTick(timer->Name());
    }
  });

  for (const ControlLayout& c : layout.controls) {
    switch (c.kind) {
      case ControlKind::PictureBox:
        pictures_.emplace_back(
            c.name, std::make_unique<ContainerWindow>(
                        c.name,
                        ContainerStyle{.exStyle = 0,
                                       .style = static_cast<DWORD>(WS_CHILD | WS_VISIBLE | (c.edge == Edge::Flat ? WS_BORDER : 0)),
                                       .bounds = PixelBounds(c.twips),
                                       .parent = ContainerOf(c).hwnd(),
                                       .background = Resolve(c.back),
                                       .title = L""},
                        events));
        break;
      case ControlKind::Label:
        labels_.push_back(&ContainerOf(c).AddLabel(c));
        break;
      case ControlKind::TextBox:
        textBoxes_.emplace_back(c.name, std::make_unique<TextBoxControl>(c, ContainerOf(c).hwnd(), events));
        break;
      case ControlKind::Timer:
        timers_.push_back(std::make_unique<TimerControl>(c, surface_->hwnd(), timers_.size() + 1));
        break;
    }
  }
}

FormWindow::~FormWindow() {
  for (const auto& timer : timers_) timer->SetEnabled(false);
}

void FormWindow::Show() {
  ShowWindow(surface_->hwnd(), SW_SHOW);
  UpdateWindow(surface_->hwnd());
}

void FormWindow::Hide() { ShowWindow(surface_->hwnd(), SW_HIDE); }

bool FormWindow::Visible() const { return IsWindowVisible(surface_->hwnd()) != FALSE; }

WindowHandle FormWindow::hWnd() const { return reinterpret_cast<WindowHandle>(surface_->hwnd()); }

platform::Label& FormWindow::Label(std::string_view name) {
  for (WindowlessLabel* label : labels_) {
    if (label->Name() == name) return *label;
  }
  NoSuchControl(layout_.name, name);
}

platform::TextBox& FormWindow::TextBox(std::string_view name) {
  for (const auto& [boxName, box] : textBoxes_) {
    if (boxName == name) return *box;
  }
  NoSuchControl(layout_.name, name);
}

platform::Timer& FormWindow::Timer(std::string_view name) {
  for (const auto& timer : timers_) {
    if (timer->Name() == name) return *timer;
  }
  NoSuchControl(layout_.name, name);
}

ContainerWindow& FormWindow::ContainerOf(const ControlLayout& control) {
  if (control.container.empty()) return *surface_;
  for (const auto& [name, picture] : pictures_) {
    if (name == control.container) return *picture;
  }
  NoSuchControl(layout_.name, control.container);
}

}  // namespace quimbly::platform::win32
