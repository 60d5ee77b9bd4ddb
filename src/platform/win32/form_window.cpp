#include "platform/win32/form_window.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "platform/win32/colours.h"
#include "platform/win32/fatal.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

DWORD FormStyle(const FormLayout& layout) {
  return layout.borderless ? WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX : WS_OVERLAPPEDWINDOW;
}

// The outer rectangle for the layout's client size. A popup given
// CW_USEDEFAULT goes where the window system places popups.
RECT FormBounds(const FormLayout& layout) {
  RECT r{0, 0, TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight)};
  AdjustWindowRectEx(&r, FormStyle(layout), FALSE, 0);
  return {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + (r.right - r.left), CW_USEDEFAULT + (r.bottom - r.top)};
}

}  // namespace

FormWindow::FormWindow(const FormLayout& layout, FormEvents& events, const FormResources& resources)
    : Surface(layout.name,
              SurfaceStyle{.style = FormStyle(layout),
                           .bounds = FormBounds(layout),
                           .parent = layout.showInTaskbar ? nullptr : resources.owner,
                           .background = Resolve(layout.background),
                           .title = ToCodePage(layout.caption)},
              events),
      layout_(layout),
      menus_(layout.menus, events) {
  if (layout.programIcon) {
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources.bigIcon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources.smallIcon));
  }
  BuildControls(resources);
  for (const ControlLayout* c : TabOrder(layout)) tabOrder_.push_back(Find(c->name, &Control::window));
}

void FormWindow::BuildControls(const FormResources& resources) {
  for (const ControlLayout& c : layout_.controls) {
    switch (c.kind) {
      case ControlKind::PictureBox: {
        const DWORD frame = c.edge == Edge::Flat ? WS_BORDER : 0;
        const DWORD tabStop = TakesFocus(c) ? WS_TABSTOP : 0;
        auto& box = pictures_.emplace_back(std::make_unique<PictureBoxWindow>(
            c.name,
            SurfaceStyle{.style = WS_CHILD | WS_VISIBLE | frame | tabStop,
                         .bounds = PixelBounds(c.twips),
                         .parent = ContainerOf(c).hwnd(),
                         .background = Resolve(c.back),
                         .title = "",
                         .picture = c.picture == Picture::Panel ? resources.panel : nullptr},
            Events()));
        controls_.push_back({.name = c.name, .pictureBox = box.get(), .surface = box.get(), .window = box->hwnd()});
        break;
      }
      case ControlKind::Label:
        controls_.push_back({.name = c.name, .label = &ContainerOf(c).AddLabel(c)});
        break;
      case ControlKind::TextBox: {
        auto& box = textBoxes_.emplace_back(std::make_unique<TextBoxControl>(c, ContainerOf(c).hwnd(), Events()));
        controls_.push_back({.name = c.name, .textBox = box.get(), .window = box->hwnd()});
        break;
      }
      case ControlKind::Timer: {
        auto& timer = timers_.emplace_back(std::make_unique<TimerControl>(c, hwnd(), timers_.size() + 1));
        controls_.push_back({.name = c.name, .timer = timer.get()});
        break;
      }
    }
  }
  for (const MenuLayout& m : layout_.menus) {
    controls_.push_back({.name = m.name, .menuItem = menus_.Item(m.name), .menu = menus_.Menu(m.name)});
  }
}

FormWindow::~FormWindow() {
  for (const auto& timer : timers_) timer->SetEnabled(false);
}

// Control names come from the fixed layout tables, so a miss is a programming error.
template <typename T>
T FormWindow::Find(std::string_view name, T Control::*slot) const {
  for (const Control& c : controls_) {
    if (c.name == name && c.*slot != nullptr) return c.*slot;
  }
  Fatal(std::string(layout_.name) + " has no control " + std::string(name) + " of the kind asked for.");
}

Surface& FormWindow::ContainerOf(const ControlLayout& control) {
  return control.container.empty() ? *this : *Find(control.container, &Control::surface);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      for (const auto& timer : timers_) {
        if (timer->Id() == wParam && timer->Enabled()) Events().Raise(timer->Name(), Event::Timer);
      }
      return 0;
    case kTabMessage:
      MoveFocus(wParam != 0);
      return 1;
    case WM_ENDSESSION:
      // Windows is ending the session (log off, shut down): the program goes
      // as by any other way out, before Windows ends the process.
      if (wParam != FALSE) Events().SessionEnding();
      return 0;
    case WM_CLOSE:
      // Closing goes through the program's own handlers, never straight to destruction.
      Events().CloseRequested();
      return 0;
    default:
      return Surface::HandleMessage(message, wParam, lParam);
  }
}

void FormWindow::Show() {
  ShowWindow(hwnd(), SW_SHOW);
  if (!tabOrder_.empty()) SetFocus(tabOrder_.front());
  UpdateWindow(hwnd());
}

void FormWindow::Hide() { ShowWindow(hwnd(), SW_HIDE); }

bool FormWindow::Visible() const { return IsWindowVisible(hwnd()) != FALSE; }

void FormWindow::Minimize() { ShowWindow(hwnd(), SW_MINIMIZE); }

bool FormWindow::Minimized() const { return IsIconic(hwnd()) != FALSE; }

WindowHandle FormWindow::hWnd() const { return reinterpret_cast<WindowHandle>(hwnd()); }

float FormWindow::Left() const {
  RECT r;
  GetWindowRect(hwnd(), &r);
  return static_cast<float>(r.left * kTwipsPerPixel);
}

void FormWindow::SetLeft(float twips) {
  RECT r;
  GetWindowRect(hwnd(), &r);
  const int x = static_cast<int>(std::lround(twips / kTwipsPerPixel));
  SetWindowPos(hwnd(), nullptr, x, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::MoveFocus(bool backwards) {
  if (tabOrder_.empty()) return;
  const auto it = std::find(tabOrder_.begin(), tabOrder_.end(), GetFocus());
  const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
  std::ptrdiff_t index = it == tabOrder_.end() ? -1 : it - tabOrder_.begin();
  index = backwards ? (index <= 0 ? count - 1 : index - 1) : (index + 1) % count;
  SetFocus(tabOrder_[static_cast<std::size_t>(index)]);
}

}  // namespace quimbly::platform::win32
