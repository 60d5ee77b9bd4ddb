// The window toolkit the core's forms are built on: forms and controls made
// from layout tables, each control event calling the handler its form binds.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/form_events.h"
#include "platform/layout.h"
#include "platform/window_system.h"

namespace quimbly::platform {

class Label {
 public:
  virtual ~Label() = default;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
};

class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string Text() const = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  // Switching on starts a fresh interval; switching on a running timer leaves
  // its countdown as it is.
  virtual void SetEnabled(bool enabled) = 0;
};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual void SetCaption(std::string_view caption) = 0;
};

// The pen codes of SetDrawStyle and SetDrawMode. The banners' pen is the only
// one the backends draw; a box drawn with any other draws nothing.
inline constexpr int kInsideSolid = 6;  // draw style: solid, inside the frame
inline constexpr int kCopyPen = 13;     // draw mode: the pen's colour as it is
inline bool IsBannerPen(int style, int mode) { return style == kInsideSolid && mode == kCopyPen; }

// A picture box's drawing, in twips from the top-left of its inner area;
// what falls outside that area is clipped.
class PictureBox {
 public:
  virtual ~PictureBox() = default;
  // Persistent drawing: output goes to an image the box repaints itself from,
  // and the box raises no more Paint events.
  virtual void SetAutoRedraw(bool on) = 0;
  virtual void SetDrawStyle(int style) = 0;
  virtual void SetDrawMode(int mode) = 0;
  virtual void SetDrawWidth(int pixels) = 0;
  // The outer size, in the holding form's units (twips).
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  // A box between two corners in the colour, with the current pen.
  virtual void Box(float x1, float y1, float x2, float y2, Colour colour) = 0;
};

class Form;

// A top-level menu of a form, shown as a pop-up.
class Menu {
 public:
  virtual ~Menu() = default;
  // Pops up over the form, x twips across its client area, at the pointer's
  // height; a chosen item's Click goes to the handlers of the form that holds
  // the menu, once the menu has closed.
  virtual void PopUp(const Form& over, float xTwips) = 0;
};

class Form {
 public:
  virtual ~Form() = default;
  // Shows the form modeless and gives the focus to its first control by tab index.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void Minimize() = 0;
  virtual WindowHandle hWnd() const = 0;
  // The left edge in twips, as a 32-bit float; the system may snap it to whole pixels.
  virtual float Left() const = 0;
  virtual void SetLeft(float twips) = 0;
  // The screen's width in twips at this form's scale, the one Left uses.
  virtual float ScreenWidth() const = 0;

  // Controls by their layout name; asking for a name the layout lacks is a
  // programming error.
  virtual platform::Label& Label(std::string_view name) = 0;
  virtual platform::TextBox& TextBox(std::string_view name) = 0;
  virtual platform::Timer& Timer(std::string_view name) = 0;
  virtual platform::PictureBox& PictureBox(std::string_view name) = 0;
  virtual platform::MenuItem& MenuItem(std::string_view name) = 0;
  virtual platform::Menu& Menu(std::string_view name) = 0;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  // Creates the form and its controls, hidden, with the layout's initial
  // state; a handler bound to what the layout lacks stops the program here.
  virtual std::unique_ptr<Form> LoadForm(const FormLayout& layout, FormEvents& events) = 0;

  // Handles every pending event of the user-interface thread, then returns.
  // Any handler may run inside it, the one that called it included.
  virtual void DoEvents() = 0;
  // Sleeps until an event is pending or the seconds have passed.
  virtual void WaitForEvents(double seconds) = 0;
  // Seconds since midnight, with a fraction.
  virtual float Clock() const = 0;
  // Ends the program at once: no handler runs after this, and it does not return.
  [[noreturn]] virtual void End() = 0;
};

}  // namespace quimbly::platform
