#include "platform/win32/ui_font.h"

namespace quimbly::platform::win32 {
namespace {

constexpr int kPoints = 8;
constexpr int kPointsPerInch = 72;

}  // namespace

UiFont::UiFont(int dpi) {
  LOGFONTA face{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
  // Negative: the characters' height without the leading, as a point size is.
  face.lfHeight = -((kPoints * dpi + kPointsPerInch / 2) / kPointsPerInch);
  face.lfWidth = 0;
  font_ = CreateFontIndirectA(&face);
  if (font_ == nullptr) font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

UiFont::~UiFont() {
  if (font_ != GetStockObject(DEFAULT_GUI_FONT)) DeleteObject(font_);
}

}  // namespace quimbly::platform::win32
