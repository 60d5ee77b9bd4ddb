#include "platform/win32/form_window.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "platform/win32/colours.h"
#include "platform/win32/dpi.h"
#include "platform/win32/fatal.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

// WM_DPICHANGED, sent from Windows 8.1 on; named here, as headers that
// target older Windows leave it out.
constexpr UINT kDpiChanged = 0x02E0;

DWORD FormStyle(const FormLayout& layout) {
  return layout.borderless ? WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX : WS_OVERLAPPEDWINDOW;
}

// The outer size for the layout's client size at the scale.
SIZE FormSize(const FormLayout& layout, const DisplayScale& scale) {
  const PixelRect client = scale.Rect({0, 0, layout.clientWidth, layout.clientHeight});
  RECT r{0, 0, client.right, client.bottom};
  AdjustWindowRectEx(&r, FormStyle(layout), FALSE, 0);
  return {r.right - r.left, r.bottom - r.top};
}

// A popup given CW_USEDEFAULT goes where the window system places popups.
RECT FormBounds(const FormLayout& layout, const DisplayScale& scale) {
  const SIZE size = FormSize(layout, scale);
  return {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + size.cx, CW_USEDEFAULT + size.cy};
}

}  // namespace

FormWindow::FormWindow(const FormLayout& layout, FormEvents& events, const FormResources& resources)
    : FormWindow(layout, events, resources,
                 SurfaceStyle{.style = FormStyle(layout),
                              .bounds = FormBounds(layout, DisplayScale(SystemDpi())),
                              .parent = layout.showInTaskbar ? nullptr : resources.owner,
                              .background = Resolve(layout.background),
                              .title = ToCodePage(layout.caption)}) {}

// The window comes once every member is made, so this class hears its first messages.
FormWindow::FormWindow(const FormLayout& layout, FormEvents& events, const FormResources& resources,
                       const SurfaceStyle& style)
    : Surface(layout.name, style, events, resources.pictures), layout_(layout), menus_(layout.menus, events) {
  CreateSurface(style);
  if (layout.programIcon) {
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources.bigIcon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources.smallIcon));
  }
  BuildControls(resources);
  for (const ControlLayout* c : TabOrder(layout)) {
    tabOrder_.push_back(c->kind == ControlKind::TextBox ? Find<TextBoxControl>(c->name).hwnd()
                                                        : Find<PictureBoxWindow>(c->name).hwnd());
  }
  LayOutAt(WindowDpi(hwnd()));
}

void FormWindow::BuildControls(const FormResources& resources) {
  for (const ControlLayout& c : layout_.controls) {
    switch (c.kind) {
      case ControlKind::PictureBox: {
        const DWORD frame = c.edge == Edge::Flat ? WS_BORDER : 0;
        const DWORD tabStop = TakesFocus(c) ? WS_TABSTOP : 0;
        auto& box = pictures_.emplace_back(std::make_unique<PictureBoxWindow>(
            c,
            SurfaceStyle{.style = WS_CHILD | WS_VISIBLE | frame | tabStop,
                         .bounds = {},
                         .parent = ContainerOf(c).hwnd(),
                         .background = Resolve(c.back),
                         .title = "",
                         .picture = c.picture},
            Events(), resources.pictures));
        controls_.Add(c.name, box.get());
        break;
      }
      case ControlKind::Label:
        controls_.Add(c.name, &ContainerOf(c).AddLabel(c));
        break;
      case ControlKind::TextBox: {
        auto& box = textBoxes_.emplace_back(std::make_unique<TextBoxControl>(c, ContainerOf(c).hwnd(), Events()));
        controls_.Add(c.name, box.get());
        break;
      }
      case ControlKind::Timer: {
        auto& timer = timers_.emplace_back(std::make_unique<TimerControl>(c, hwnd(), timers_.size() + 1));
        controls_.Add(c.name, timer.get());
        break;
      }
    }
  }
  for (const MenuLayout& m : layout_.menus) {
    // A top-level menu pops up; what it holds are its items.
    if (IsTopLevel(m)) {
      controls_.Add(m.name, menus_.Menu(m.name));
    } else {
      controls_.Add(m.name, menus_.Item(m.name));
    }
  }
}

// Containers before what they hold, so a label's place is always inside its
// container's new size; the font goes only once nothing draws with it.
void FormWindow::LayOutAt(int dpi) {
  scale_ = DisplayScale(dpi);
  auto font = std::make_unique<UiFont>(dpi);
  const SIZE size = FormSize(layout_, scale_);
  SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Surface::LayOut(scale_, font->handle());
  for (const auto& box : pictures_) box->LayOut(scale_, font->handle());
  for (const auto& box : textBoxes_) box->LayOut(scale_, font->handle());
  font_ = std::move(font);
}

FormWindow::~FormWindow() {
  for (const auto& timer : timers_) timer->SetEnabled(false);
}

// Control names come from the fixed layout tables, so a miss is a programming error.
template <typename Kind>
Kind& FormWindow::Find(std::string_view name) const {
  if (Kind* control = controls_.Find<Kind>(name)) return *control;
  Fatal(std::string(layout_.name) + " has no control " + std::string(name) + " of the kind asked for.");
}

Surface& FormWindow::ContainerOf(const ControlLayout& control) {
  if (control.container.empty()) return *this;
  return Find<PictureBoxWindow>(control.container);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      for (const auto& timer : timers_) {
        if (timer->Id() == wParam && timer->Enabled()) Events().Raise(timer->Name(), Event::Timer);
      }
      return 0;
    case kDpiChanged: {
      // Windows suggests where the window goes on the new display; its size
      // is the layout's at the new DPI.
      if (const int dpi = LOWORD(wParam); dpi != scale_.Dpi()) LayOutAt(dpi);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
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

void FormWindow::Minimize() { ShowWindow(hwnd(), SW_MINIMIZE); }

WindowHandle FormWindow::hWnd() const { return reinterpret_cast<WindowHandle>(hwnd()); }

float FormWindow::Left() const {
  RECT r;
  GetWindowRect(hwnd(), &r);
  return scale_.Twips(r.left);
}

float FormWindow::ScreenWidth() const { return scale_.Twips(GetSystemMetrics(SM_CXSCREEN)); }

void FormWindow::SetLeft(float twips) {
  RECT r;
  GetWindowRect(hwnd(), &r);
  const int x = scale_.Pixels(twips);
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
