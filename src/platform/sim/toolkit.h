// A scripted toolkit: forms held in memory, events a test delivers as a user
// would, and a virtual clock that moves only when a test lets time pass or
// the program waits.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
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
  // Runs a piece of the program (a Load, say) as the toolkit would, with
  // whatever it leaves pending; an End inside stops everything, as the
  // process would. Input from an action At runs is handled at once, inside
  // the loop already running.
  void Run(std::function<void()> event);
  // A click or a press of a mouse button on a control of a shown form.
  void Press(std::string_view form, std::string_view control, Event event = Event::Click);
  // Keys typed into a control of a shown form, one at a time ("\r" is Enter).
  void Type(std::string_view form, std::string_view control, std::string_view keys);
  // Windows ends the session: each loaded form hears of it in load order,
  // then the system ends a program that has not ended itself.
  void EndSession();
  // The test's action (a click, keys, the session's end) at a time still to
  // come, run when the clock reaches it, before the ticks due then.
  void At(double clock, std::function<void()> action);
  // The item the next pop-up menu chooses; without one the menu is dismissed.
  void ChooseFromNextPopup(std::string_view item) { nextPopupChoice_ = item; }
  // Lets time pass; ticks and scheduled input are handled as they fall due.
  void AdvanceSeconds(double seconds);
  // Another program brings this one forward: its first shown form, in load
  // order, is restored from minimised and becomes the foreground window.
  void BringForward();
  WindowHandle Foreground() const { return foreground_; }

  void SetClock(double secondsSinceMidnight) { now_ = secondsSinceMidnight; }
  double Now() const { return now_; }
  void SetScreenWidth(float twips) { screenWidth_ = twips; }
  bool Ended() const { return ended_; }
  // How many times the program pumped events (a spinning wait shows).
  std::uint64_t Pumps() const { return pumps_; }

  SimForm& FindForm(std::string_view name) const;
  bool IsLoaded(std::string_view name) const;

  // A pop-up menu shown over a form, with its items' captions.
  struct Popup {
    WindowHandle over;
    float xTwips;
    std::vector<std::string> items;
  };
  const std::vector<Popup>& Popups() const { return popups_; }

  void Post(std::function<void()> event);

 private:
  friend class SimForm;
  friend class SimMenu;
  friend class SimTimer;

  void RunPending();
  // Posts what falls due up to the clock; moves the clock to the earliest due
  // moment at or before limit. False when nothing falls due by then.
  bool StepTo(double limit);

  SimWindowSystem& windows_;
  std::vector<SimForm*> forms_;
  std::deque<std::function<void()>> pending_;
  std::multimap<double, std::function<void()>> scheduled_;  // equal times in the order given
  std::vector<SimTimer*> timers_;
  std::optional<std::string> nextPopupChoice_;
  std::vector<Popup> popups_;
  WindowHandle foreground_ = 0;
  double now_ = 0;
  float screenWidth_ = 15360;  // 1024 pixels
  bool ended_ = false;
  bool delivering_ = false;
  std::uint64_t pumps_ = 0;
};

}  // namespace quimbly::platform::sim
