#include "platform/win32/form_window.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/win32/colours.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

// Control names come from the fixed layout tables, so a miss is a programming
// error: say so to a debugger and stop there, rather than carry the C++
// exception machinery into the exe for it.
[[noreturn]] void NoSuchControl(std::string_view form, std::string_view name) {
  OutputDebugStringA((std::string(form) + " has no such control: " + std::string(name) + "\n").c_str());
  std::abort();
}

template <typename Control>
Control& Named(const std::vector<std::pair<std::string_view, std::unique_ptr<Control>>>& controls,
               std::string_view form, std::string_view name) {
  for (const auto& [controlName, control] : controls) {
    if (controlName == name) return *control;
  }
  NoSuchControl(form, name);
}

// The outer rectangle for the layout's client size. A popup given
// CW_USEDEFAULT goes where the window system places popups.
RECT FormBounds(const FormLayout& layout, DWORD style) {
  RECT r{0, 0, TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight)};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  return {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + (r.right - r.left), CW_USEDEFAULT + (r.bottom - r.top)};
}

}  // namespace

FormWindow::FormWindow(const FormLayout& layout, FormEvents& events, const FormResources& resources)
    : layout_(layout), events_(events), menus_(layout.menus) {
  const DWORD style = layout.borderless ? WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX : WS_OVERLAPPEDWINDOW;
  const std::string title = ToCodePage(layout.caption);
  surface_ = std::make_unique<ContainerWindow>(layout.name,
                                               ContainerStyle{.exStyle = 0,
                                                              .style = style,
                                                              .bounds = FormBounds(layout, style),
                                                              .parent = layout.showInTaskbar ? nullptr : resources.owner,
                                                              .background = Resolve(layout.background),
                                                              .title = title},
                                               events);
  if (layout.programIcon) {
    SendMessageA(surface_->hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources.bigIcon));
    SendMessageA(surface_->hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources.smallIcon));
  }
  surface_->OnTimer([this](UINT_PTR id) {
    for (const auto& timer : timers_) {
      if (timer->Id() == id && timer->Enabled()) events_.TimerTick(timer->Name());
    }
  });
  surface_->OnTab([this](bool backwards) { MoveFocus(backwards); });
  BuildControls(resources);
  // Tab indices are unique within a form, so a plain sort keeps the order.
  std::sort(focusOrder_.begin(), focusOrder_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

void FormWindow::BuildControls(const FormResources& resources) {
  for (const ControlLayout& c : layout_.controls) {
    switch (c.kind) {
      case ControlKind::PictureBox: {
        const DWORD frame = c.edge == Edge::Flat ? WS_BORDER : 0;
        const DWORD tabStop = c.tabIndex == kNoTabStop ? 0 : WS_TABSTOP;
        auto box = std::make_unique<ContainerWindow>(
            c.name,
            ContainerStyle{.exStyle = 0,
                           .style = WS_CHILD | WS_VISIBLE | frame | tabStop,
                           .bounds = PixelBounds(c.twips),
                           .parent = ContainerOf(c).hwnd(),
                           .background = Resolve(c.back),
                           .title = "",
                           .picture = c.picture == Picture::Panel ? resources.panel : nullptr},
            events_);
        if (tabStop != 0) focusOrder_.emplace_back(c.tabIndex, box->hwnd());
        pictures_.emplace_back(c.name, std::move(box));
        break;
      }
      case ControlKind::Label:
        labels_.push_back(&ContainerOf(c).AddLabel(c));
        break;
      case ControlKind::TextBox: {
        auto box = std::make_unique<TextBoxControl>(c, ContainerOf(c).hwnd(), events_);
        focusOrder_.emplace_back(c.tabIndex, box->hwnd());
        textBoxes_.emplace_back(c.name, std::move(box));
        break;
      }
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
  if (!focusOrder_.empty()) SetFocus(focusOrder_.front().second);
  UpdateWindow(surface_->hwnd());
}

void FormWindow::Hide() { ShowWindow(surface_->hwnd(), SW_HIDE); }

bool FormWindow::Visible() const { return IsWindowVisible(surface_->hwnd()) != FALSE; }

void FormWindow::Minimize() { ShowWindow(surface_->hwnd(), SW_MINIMIZE); }

bool FormWindow::Minimized() const { return IsIconic(surface_->hwnd()) != FALSE; }

WindowHandle FormWindow::hWnd() const { return reinterpret_cast<WindowHandle>(surface_->hwnd()); }

float FormWindow::Left() const {
  RECT r;
  GetWindowRect(surface_->hwnd(), &r);
  return static_cast<float>(r.left * kTwipsPerPixel);
}

void FormWindow::SetLeft(float twips) {
  RECT r;
  GetWindowRect(surface_->hwnd(), &r);
  const int x = static_cast<int>(std::lround(twips / kTwipsPerPixel));
  SetWindowPos(surface_->hwnd(), nullptr, x, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::Label& FormWindow::Label(std::string_view name) {
  for (WindowlessLabel* label : labels_) {
    if (label->Name() == name) return *label;
  }
  NoSuchControl(layout_.name, name);
}

platform::TextBox& FormWindow::TextBox(std::string_view name) { return Named(textBoxes_, layout_.name, name); }

platform::Timer& FormWindow::Timer(std::string_view name) {
  for (const auto& timer : timers_) {
    if (timer->Name() == name) return *timer;
  }
  NoSuchControl(layout_.name, name);
}

platform::PictureBox& FormWindow::PictureBox(std::string_view name) { return Named(pictures_, layout_.name, name); }

platform::MenuItem& FormWindow::MenuItem(std::string_view name) {
  if (platform::MenuItem* item = menus_.Find(name)) return *item;
  NoSuchControl(layout_.name, name);
}

void FormWindow::PopupMenu(Form& menuOwner, std::string_view menu, float xTwips) {
  // Every form this backend hands out is a FormWindow.
  auto& owner = static_cast<FormWindow&>(menuOwner);
  const HMENU popup = owner.menus_.PopupOf(menu);
  if (popup == nullptr) NoSuchControl(owner.layout_.name, menu);
  POINT at{static_cast<LONG>(std::lround(xTwips / kTwipsPerPixel)), 0};
  ClientToScreen(surface_->hwnd(), &at);
  POINT pointer;
  GetCursorPos(&pointer);
  // Without the foreground, the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(surface_->hwnd());
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                                                       at.x, pointer.y, 0, surface_->hwnd(), nullptr));
  PostMessageA(surface_->hwnd(), WM_NULL, 0, 0);
  const std::string_view item = owner.menus_.NameOf(chosen);
  if (!item.empty()) owner.events_.Click(item);
}

ContainerWindow& FormWindow::ContainerOf(const ControlLayout& control) {
  return control.container.empty() ? *surface_ : Named(pictures_, layout_.name, control.container);
}

void FormWindow::MoveFocus(bool backwards) {
  if (focusOrder_.empty()) return;
  const HWND focus = GetFocus();
  auto it = std::find_if(focusOrder_.begin(), focusOrder_.end(), [focus](const auto& e) { return e.second == focus; });
  const auto count = static_cast<std::ptrdiff_t>(focusOrder_.size());
  std::ptrdiff_t index = it == focusOrder_.end() ? -1 : it - focusOrder_.begin();
  index = backwards ? (index <= 0 ? count - 1 : index - 1) : (index + 1) % count;
  SetFocus(focusOrder_[static_cast<std::size_t>(index)].second);
}

}  // namespace quimbly::platform::win32
