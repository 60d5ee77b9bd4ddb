// The user-interface font every label and text box draws with: the face of
// the system's default GUI font at 8 points, at the DPI the form is laid out
// at, so that text grows with the controls that hold it.
#pragma once

#include <windows.h>

namespace quimbly::platform::win32 {

class UiFont {
 public:
  explicit UiFont(int dpi);
  UiFont(const UiFont&) = delete;
  UiFont& operator=(const UiFont&) = delete;
  ~UiFont();

  HFONT handle() const { return font_; }

 private:
  HFONT font_;
};

}  // namespace quimbly::platform::win32
