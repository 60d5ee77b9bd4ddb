#include "platform/sim/toolkit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quimbly::platform::sim {
namespace {

// Thrown by End to unwind the program's stack back to the test's call, as the
// real program's process would simply stop.
struct ProgramEnded {};

SimForm& VisibleForm(const SimToolkit& toolkit, std::string_view name) {
  SimForm& form = toolkit.FindForm(name);
  if (!form.Visible()) throw std::logic_error(std::string(name) + " is hidden: the user cannot reach it");
  return form;
}

void ApplyKey(TextBox& box, int key) {
  std::string text = box.Text();
  if (key == 8) {
    if (!text.empty()) text.pop_back();
  } else if (key >= 32) {
    text += static_cast<char>(key);
  }
  box.SetText(text);
}

}  // namespace

std::unique_ptr<Form> SimToolkit::LoadForm(const FormLayout& layout, FormEvents& events) {
  return std::make_unique<SimForm>(*this, layout, events);
}

void SimToolkit::DoEvents() {
  ++pumps_;
  while (StepTo(now_)) {
  }
  RunPending();
}

void SimToolkit::WaitForEvents(double seconds) {
  ++waits_;
  if (!pending_.empty()) return;
  const double limit = now_ + seconds;
  if (!StepTo(limit)) now_ = limit;
}

float SimToolkit::Clock() const { return static_cast<float>(std::fmod(now_, 86400.0)); }

void SimToolkit::End() {
  ended_ = true;
  pending_.clear();
  scheduled_.clear();
  throw ProgramEnded{};
}

void SimToolkit::Run(const std::function<void()>& program) {
  Deliver(program);
}

void SimToolkit::Click(std::string_view form, std::string_view control) {
  if (!ended_) Deliver([this, f = std::string(form), c = std::string(control)] { Press(f, c, true); });
}

void SimToolkit::MouseDown(std::string_view form, std::string_view control) {
  if (!ended_) Deliver([this, f = std::string(form), c = std::string(control)] { Press(f, c, false); });
}

void SimToolkit::Key(std::string_view form, int key) {
  if (!ended_) Deliver([this, f = std::string(form), key] { Keys(f, std::string(1, static_cast<char>(key))); });
}

void SimToolkit::Type(std::string_view form, std::string_view keys) {
  for (const char c : keys) Key(form, static_cast<unsigned char>(c));
}

void SimToolkit::Tab(std::string_view form) { VisibleForm(*this, form).TabForward(); }

void SimToolkit::Uncover(std::string_view form) {
  SimForm& target = VisibleForm(*this, form);
  Deliver([&target] { target.Uncover(); });
}

void SimToolkit::ClickAt(double clock, std::string_view form, std::string_view control) {
  scheduled_.push_back(
      {clock, scheduledCount_++, [this, f = std::string(form), c = std::string(control)] { Press(f, c, true); }});
}

void SimToolkit::TypeAt(double clock, std::string_view form, std::string_view keys) {
  scheduled_.push_back({clock, scheduledCount_++, [this, f = std::string(form), k = std::string(keys)] { Keys(f, k); }});
}

void SimToolkit::EndSession() {
  Deliver([this] { SessionEnds(); });
}

void SimToolkit::EndSessionAt(double clock) {
  scheduled_.push_back({clock, scheduledCount_++, [this] { SessionEnds(); }});
}

void SimToolkit::SessionEnds() {
  const std::vector<SimForm*> told = forms_;
  for (SimForm* form : told) form->Events().SessionEnding();
  End();
}

// A press takes the focus where it can, then the control hears of it.
void SimToolkit::Press(const std::string& formName, const std::string& control, bool click) {
  SimForm& form = VisibleForm(*this, formName);
  form.Focus(control);
  if (click) {
    form.Events().Click(control);
  } else {
    form.Events().MouseDown(control);
  }
}

// Each key goes to the focused control's KeyPress first; what the handler
// leaves of it reaches a text box.
void SimToolkit::Keys(const std::string& formName, const std::string& keys) {
  for (const char c : keys) {
    SimForm& form = VisibleForm(*this, formName);
    const ControlLayout& focused = form.Control(form.Focused());
    int key = static_cast<unsigned char>(c);
    form.Events().KeyPress(focused.name, key);
    if (key != 0 && focused.kind == ControlKind::TextBox) ApplyKey(form.TextBox(focused.name), key);
  }
}

void SimToolkit::AdvanceSeconds(double seconds) {
  const double end = now_ + seconds;
  Deliver([this, end] {
    while (StepTo(end)) RunPending();
    now_ = std::max(now_, end);
  });
}

SimForm& SimToolkit::FindForm(std::string_view name) const {
  for (SimForm* form : forms_) {
    if (form->Layout().name == name) return *form;
  }
  throw std::logic_error("no form is loaded by the name " + std::string(name));
}

bool SimToolkit::IsLoaded(std::string_view name) const {
  return std::any_of(forms_.begin(), forms_.end(), [name](SimForm* f) { return f->Layout().name == name; });
}

void SimToolkit::Post(std::function<void()> event) { pending_.push_back(std::move(event)); }

// Entry from the test: runs the event and whatever it leaves pending; an End
// inside stops everything, as the process would.
void SimToolkit::Deliver(std::function<void()> event) {
  if (ended_) return;
  try {
    Post(std::move(event));
    RunPending();
  } catch (const ProgramEnded&) {
  }
}

void SimToolkit::RunPending() {
  while (!pending_.empty()) {
    auto event = std::move(pending_.front());
    pending_.pop_front();
    event();
  }
}

bool SimToolkit::StepTo(double limit) {
  double earliest = limit;
  bool found = false;
  for (const Scheduled& s : scheduled_) {
    if (s.at <= earliest) { earliest = s.at; found = true; }
  }
  for (SimForm* form : forms_) {
    for (SimTimer* timer : form->Timers()) {
      if (timer->Enabled() && timer->Due() <= earliest) { earliest = timer->Due(); found = true; }
    }
  }
  if (!found) return false;
  now_ = std::max(now_, earliest);
  // Everything due at that moment, scheduled input first, then ticks.
  std::stable_sort(scheduled_.begin(), scheduled_.end(),
                   [](const Scheduled& a, const Scheduled& b) { return a.order < b.order; });
  for (auto it = scheduled_.begin(); it != scheduled_.end();) {
    if (it->at <= earliest) {
      Post(std::move(it->event));
      it = scheduled_.erase(it);
    } else {
      ++it;
    }
  }
  for (SimForm* form : forms_) {
    for (SimTimer* timer : form->Timers()) {
      if (timer->Enabled() && timer->Due() <= earliest) {
        timer->Rearm();
        Post([form, name = std::string(timer->Name())] { form->Events().TimerTick(name); });
      }
    }
  }
  return true;
}

std::optional<std::string> SimToolkit::TakePopupChoice() {
  auto choice = std::move(nextPopupChoice_);
  nextPopupChoice_.reset();
  return choice;
}

}  // namespace quimbly::platform::sim
