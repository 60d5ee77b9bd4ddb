// The shape of a window layout table: what a form and each of its controls look
// like when the form is loaded. Both backends build their windows from these.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quimbly::platform {

// Colours are 0x00BBGGRR; 0x800000nn names colour nn of the system's scheme.
using Colour = std::uint32_t;
inline constexpr Colour kSchemeWindowBackground = 0x80000005;
inline constexpr Colour kSchemeWindowText = 0x80000008;
inline constexpr Colour kSchemeButtonFace = 0x8000000F;
inline constexpr Colour kSchemeButtonText = 0x80000012;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;

constexpr bool IsSchemeColour(Colour c) { return (c & 0xFF000000u) == 0x80000000u; }
constexpr int SchemeIndex(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

enum class ControlKind { Label, TextBox, PictureBox, Timer };

enum class Edge { None, Flat, Sunken };

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kNoTabStop = -1;

// Pictures a picture box can show at the top-left of its inner area, drawn
// at the display's scale (see pictures.h).
enum class Picture { None, Panel };

struct ControlLayout {
  ControlKind kind;
  std::string_view name;
  std::string_view container;  // empty: the form itself
  TwipsRect twips;
  std::string_view text;       // a label's caption, a text box's text
  Colour back = kSchemeWindowBackground;  // labels are transparent and ignore it
  Colour fore = kSchemeButtonText;
  Edge edge = Edge::None;
  int tabIndex = kNoTabStop;
  int intervalMs = 0;          // timers only
  Picture picture = Picture::None;  // picture boxes only
};

// One item of a form's menu tree; an ampersand marks the mnemonic letter.
struct MenuLayout {
  std::string_view name;
  std::string_view caption;
  std::string_view parent;  // empty: a top-level menu
};

// A top-level menu only pops up; the items under it raise Click.
constexpr bool IsTopLevel(const MenuLayout& menu) { return menu.parent.empty(); }

struct FormLayout {
  std::string_view name;
  std::string_view caption;
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
  bool borderless = true;
  bool showInTaskbar = false;
  Colour background = kBlack;
  bool programIcon = false;
  std::span<const ControlLayout> controls;
  std::span<const MenuLayout> menus;
};

// The control of that name, or null.
const ControlLayout* FindControl(const FormLayout& form, std::string_view name);
// Whether Tab and a click can give the control the keyboard focus.
bool TakesFocus(const ControlLayout& control);
// The controls that take the focus, by tab index: the order Tab walks.
std::vector<const ControlLayout*> TabOrder(const FormLayout& form);

}  // namespace quimbly::platform
