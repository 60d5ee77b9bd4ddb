// A label has no window of its own: its container draws the caption over its
// own background and hit-tests the label's whole rectangle, which is what makes
// a caption-less label an invisible click area.
#pragma once

#include <windows.h>

#include <string>

#include "platform/rules/display_scale.h"
#include "platform/layout.h"
#include "platform/toolkit.h"

namespace quimbly::platform::win32 {

class WindowlessLabel final : public platform::Label {
 public:
  WindowlessLabel(const ControlLayout& layout, HWND container);

  std::string Caption() const override;
  void SetCaption(std::string_view caption) override;

  std::string_view Name() const { return layout_.name; }
  // Places the label at the scale its container is laid out at.
  void LayOut(const DisplayScale& scale);
  bool Contains(POINT point) const;
  void Paint(HDC dc, HFONT font) const;

 private:
  const ControlLayout& layout_;
  HWND container_;
  RECT bounds_{};
  std::string caption_;
};

}  // namespace quimbly::platform::win32
