// The window toolkit the core's forms are built on: forms and controls made
// from layout tables, with the core's handlers called on their events.
#pragma once

#include <memory>
#include <string>
#include <string_view>

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
  virtual void SetText(std::string_view text) = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool Enabled() const = 0;
  // Switching on starts a fresh interval; switching on a running timer leaves
  // its countdown as it is.
  virtual void SetEnabled(bool enabled) = 0;
};

class Form {
 public:
  virtual ~Form() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  virtual WindowHandle hWnd() const = 0;

  // Controls by their layout name; asking for a name the layout lacks is a
  // programming error.
  virtual platform::Label& Label(std::string_view name) = 0;
  virtual platform::TextBox& TextBox(std::string_view name) = 0;
  virtual platform::Timer& Timer(std::string_view name) = 0;
};

// What a form's owner hears from its controls. Texts name the control.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void Click(std::string_view /*control*/) {}
  virtual void MouseDown(std::string_view /*control*/) {}
  virtual void KeyPress(std::string_view /*control*/, int& /*key*/) {}
  virtual void TimerTick(std::string_view /*timer*/) {}
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  // Creates the form and its controls, hidden, with the layout's initial state.
  virtual std::unique_ptr<Form> LoadForm(const FormLayout& layout, FormEvents& events) = 0;
};

}  // namespace quimbly::platform
