// A surface that holds controls: a form's client area, or a picture box inside
// one. It paints its background and its labels, and turns presses into the
// Click and MouseDown events of the label or of itself.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/window.h"
#include "platform/win32/windowless_label.h"

namespace quimbly::platform::win32 {

// Sent to a form's window by the event loop for Tab (wParam 1 with Shift).
inline constexpr UINT kTabMessage = WM_APP + 1;

struct ContainerStyle {
  DWORD exStyle;
  DWORD style;
  RECT bounds;  // pixels, in the parent's client area (screen for a form)
  HWND parent;
  COLORREF background;
  std::string_view title;  // in the system's code page
  HBITMAP picture = nullptr;  // drawn unscaled at the top-left; owned by the caller
};

class ContainerWindow final : public Window, public platform::PictureBox {
 public:
  ContainerWindow(std::string_view name, const ContainerStyle& style, FormEvents& events);
  ~ContainerWindow() override;

  // Drawing, for a picture box.
  void SetAutoRedraw(bool on) override;
  void SetDrawStyle(int style) override { drawStyle_ = style; }
  void SetDrawMode(int mode) override { drawMode_ = mode; }
  void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
  float Width() const override;
  float Height() const override;
  void Box(float x1, float y1, float x2, float y2, Colour colour) override;

  WindowlessLabel& AddLabel(const ControlLayout& layout);
  // WM_TIMER arrives here for a form's timers.
  void OnTimer(std::function<void(UINT_PTR)> handler) { onTimer_ = std::move(handler); }
  // Tab and Shift+Tab, for the form to move the focus.
  void OnTab(std::function<void(bool backwards)> handler) { onTab_ = std::move(handler); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void PaintBackground(HDC dc);
  WindowlessLabel* LabelAt(POINT point);
  void Press(UINT message, POINT point);
  void Release(POINT point);

  std::string_view name_;
  FormEvents& events_;
  HBRUSH background_;
  HBITMAP picture_;
  std::vector<std::unique_ptr<WindowlessLabel>> labels_;
  std::function<void(UINT_PTR)> onTimer_;
  std::function<void(bool)> onTab_;
  // What drawing goes to: the persistent image, or the screen during Paint.
  HDC target_ = nullptr;
  bool autoRedraw_ = false;
  HDC imageDc_ = nullptr;
  HBITMAP image_ = nullptr;
  HGDIOBJ imageOld_ = nullptr;
  int drawStyle_ = 0;
  int drawMode_ = 13;
  int drawWidth_ = 1;
  WindowlessLabel* pressedLabel_ = nullptr;
  bool pressedSelf_ = false;
};

}  // namespace quimbly::platform::win32
