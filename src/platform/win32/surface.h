// A surface that holds controls: a form's client area, or a picture box inside
// one. It paints its background and its labels, and turns presses into the
// Click and MouseDown events of the label or of itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/rules/display_scale.h"
#include "platform/toolkit.h"
#include "platform/win32/gdi_object.h"
#include "platform/win32/picture_cache.h"
#include "platform/win32/window.h"
#include "platform/win32/windowless_label.h"

namespace quimbly::platform::win32 {

struct SurfaceStyle {
  DWORD style;
  RECT bounds;  // pixels, in the parent's client area (screen for a form)
  HWND parent;
  COLORREF background;
  std::string_view title;  // in the system's code page
  Picture picture = Picture::None;  // drawn at the top-left, at the surface's scale
};

class Surface : public Window {
 public:
  // The window itself comes with CreateSurface.
  Surface(std::string_view name, const SurfaceStyle& style, FormEvents& events, PictureCache& pictures);

  WindowlessLabel& AddLabel(const ControlLayout& layout);
  // Lays the labels and the picture out at the scale, in that scale's font,
  // and draws the surface anew.
  virtual void LayOut(const DisplayScale& scale, HFONT font);

 protected:
  // Called by the final class from its constructor's body (see Window::Create).
  void CreateSurface(const SurfaceStyle& style);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // What lies under the labels; a form draws its background anew each time.
  virtual void PaintUnderLabels(HDC dc) { PaintAnew(dc); }
  // The background and picture, said on the debug channel too: the one sign
  // outside the process of how often a surface is drawn anew (tests count it).
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
  GdiObject<HBRUSH> background_;
  PictureCache& pictures_;
  Picture pictureKind_;
  HBITMAP picture_ = nullptr;  // owned by the cache
  HFONT font_ = nullptr;       // owned by the form
  std::vector<std::unique_ptr<WindowlessLabel>> labels_;
  WindowlessLabel* pressedLabel_ = nullptr;
  bool pressedSelf_ = false;
};

}  // namespace quimbly::platform::win32
