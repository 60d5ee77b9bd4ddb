// A scripted toolkit: forms held in memory, events a test delivers as a user
// would, and a virtual clock that moves only when a test lets time pass or
// the program waits.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/form.h"
#include "platform/sim/window_tree.h"
#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimToolkit : public Toolkit {
 public:
  explicit SimToolkit(SimWindowSystem& windows) : windows_(windows) {}

  std::unique_ptr<Form> LoadForm(const FormLayout& layout, FormEvents& events) override;
  void DoEvents() override;
  void WaitForEvents(double seconds) override;
  float Clock() const override;
  float ScreenWidth() const { return screenWidth_; }
  [[noreturn]] void End() override;

  // --- Driving the program, as its user and the passing of time would. ---
  // Runs a piece of the program (a Load, say) as the toolkit would.
  void Run(const std::function<void()>& program);
  // A click on a control of a shown form; it also takes the focus if it can.
  void Click(std::string_view form, std::string_view control);
  // A press of a mouse button on a control of a shown form.
  void MouseDown(std::string_view form, std::string_view control);
  // Keys typed into the focused control of a shown form ("\r" is Enter, "\b" Backspace).
  void Type(std::string_view form, std::string_view keys);
  // Another window covered the form and has gone: it is drawn again.
  void Uncover(std::string_view form);
  // A click at a time still to come, delivered when the clock reaches it.
  void ClickAt(double clock, std::string_view form, std::string_view control);
  // Keys typed at a time still to come.
  void TypeAt(double clock, std::string_view form, std::string_view keys);
  // Windows ends the session: each loaded form hears of it in load order,
  // then the system ends a program that has not ended itself.
  void EndSession();
  void EndSessionAt(double clock);
  // The item the next pop-up menu chooses; without one the menu is dismissed.
  void ChooseFromNextPopup(std::string_view item) { nextPopupChoice_ = item; }
  // Lets time pass; ticks and scheduled input are handled as they fall due.
  void AdvanceSeconds(double seconds);

  void SetClock(double secondsSinceMidnight) { now_ = secondsSinceMidnight; }
  double Now() const { return now_; }
  void SetScreenWidth(float twips) { screenWidth_ = twips; }
  bool Ended() const { return ended_; }
  // How many times the program pumped events (a spinning wait shows).
  std::uint64_t Pumps() const { return pumps_; }

  SimForm& FindForm(std::string_view name) const;
  bool IsLoaded(std::string_view name) const;
  SimWindowSystem& Windows() { return windows_; }

  // A pop-up menu shown over a form, with its items' captions.
  struct Popup {
    WindowHandle over;
    float xTwips;
    std::vector<std::string> items;
  };
  const std::vector<Popup>& Popups() const { return popups_; }

  // --- For the simulated forms. ---
  void Loaded(SimForm* form) { forms_.push_back(form); }
  void Unloaded(SimForm* form) { std::erase(forms_, form); }
  void Post(std::function<void()> event);
  // Records the pop-up; the item the test chose for it, if any.
  std::optional<std::string> ShowPopup(Popup popup);

 private:
  struct Scheduled {
    double at;
    std::function<void()> event;
  };

  void SessionEnds();
  std::function<void()> Press(std::string_view form, std::string_view control, Event event);
  std::function<void()> Keys(std::string_view form, std::string_view keys);
  void Deliver(std::function<void()> event);
  void RunPending();
  // Posts what falls due up to the clock; moves the clock to the earliest due
  // moment at or before limit. False when nothing falls due by then.
  bool StepTo(double limit);

  SimWindowSystem& windows_;
  std::vector<SimForm*> forms_;
  std::deque<std::function<void()>> pending_;
  std::vector<Scheduled> scheduled_;
  std::optional<std::string> nextPopupChoice_;
  std::vector<Popup> popups_;
  double now_ = 0;
  float screenWidth_ = 15360;  // 1024 pixels
  bool ended_ = false;
  std::uint64_t pumps_ = 0;
};

}  // namespace quimbly::platform::sim
