// A surface that holds controls: a form's client area, or a picture box inside
// one. It paints its background and its labels, and turns presses into the
// Click and MouseDown events of the label or of itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/window.h"
#include "platform/win32/windowless_label.h"

namespace quimbly::platform::win32 {

struct SurfaceStyle {
  DWORD style;
  RECT bounds;  // pixels, in the parent's client area (screen for a form)
  HWND parent;
  COLORREF background;
  std::string_view title;  // in the system's code page
  HBITMAP picture = nullptr;  // drawn unscaled at the top-left; owned by the caller
};

class Surface : public Window {
 public:
  Surface(std::string_view name, const SurfaceStyle& style, FormEvents& events);

  WindowlessLabel& AddLabel(const ControlLayout& layout);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // What lies under the labels; a form draws its background anew each time.
  virtual void PaintUnderLabels(HDC dc) { PaintAnew(dc); }
  // The background and picture, said on the debug channel, for a debugger and
  // for the tests that count how often a surface is drawn anew.
  void PaintAnew(HDC dc);
  void PaintBackground(HDC dc);
  std::string_view Name() const { return name_; }
  FormEvents& Events() { return events_; }

 private:
  WindowlessLabel* LabelAt(POINT point);
  void Press(UINT message, POINT point);
  void Release(POINT point);

  std::string_view name_;
  FormEvents& events_;
  HBRUSH background_;
  HBITMAP picture_;
  std::vector<std::unique_ptr<WindowlessLabel>> labels_;
  WindowlessLabel* pressedLabel_ = nullptr;
  bool pressedSelf_ = false;
};

}  // namespace quimbly::platform::win32
