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

}  // namespace

std::unique_ptr<Form> SimToolkit::LoadForm(const FormLayout& layout, FormEvents& events) {
  if (const std::string fault = BindingFault(layout, events.Bindings()); !fault.empty()) throw std::logic_error(fault);
  return std::make_unique<SimForm>(*this, layout, events);
}

void SimToolkit::DoEvents() {
  ++pumps_;
  while (StepTo(now_)) {
  }
  RunPending();
}

void SimToolkit::WaitForEvents(double seconds) {
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

// Each key is handled before the next arrives, and finds the form as it
// stands: a handler may have hidden it.
void SimToolkit::Type(std::string_view form, std::string_view control, std::string_view keys) {
  for (const char c : keys) {
    Run([this, f = std::string(form), n = std::string(control), c] {
      VisibleForm(*this, f).Key(n, static_cast<unsigned char>(c));
    });
  }
}

void SimToolkit::EndSession() {
  Run([this] {
    const std::vector<SimForm*> told = forms_;
    for (SimForm* form : told) form->Events().SessionEnding();
    End();
  });
}

void SimToolkit::At(double clock, std::function<void()> action) { scheduled_.emplace(clock, std::move(action)); }

void SimToolkit::Press(std::string_view form, std::string_view control, Event event) {
  Run([this, f = std::string(form), c = std::string(control), event] { VisibleForm(*this, f).Press(c, event); });
}

void SimToolkit::AdvanceSeconds(double seconds) {
  const double end = now_ + seconds;
  Run([this, end] {
    while (StepTo(end)) RunPending();
    now_ = std::max(now_, end);
  });
}

void SimToolkit::BringForward() {
  for (SimForm* form : forms_) {
    if (!form->Visible()) continue;
    form->Restore();
    foreground_ = form->hWnd();
    return;
  }
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

void SimToolkit::Run(std::function<void()> event) {
  if (ended_) return;
  if (delivering_) return event();
  delivering_ = true;
  try {
    Post(std::move(event));
    RunPending();
  } catch (const ProgramEnded&) {
  }
  delivering_ = false;
}

void SimToolkit::RunPending() {
  while (!pending_.empty()) {
    auto event = std::move(pending_.front());
    pending_.pop_front();
    event();
  }
}

bool SimToolkit::StepTo(double limit) {
  const bool actionDue = !scheduled_.empty() && scheduled_.begin()->first <= limit;
  double earliest = actionDue ? scheduled_.begin()->first : limit;
  bool found = actionDue;
  for (const SimTimer* timer : timers_) {
    if (timer->Enabled() && timer->Due() <= earliest) { earliest = timer->Due(); found = true; }
  }
  if (!found) return false;
  now_ = std::max(now_, earliest);
  // Everything due at that moment, the test's actions first, then ticks.
  for (auto it = scheduled_.begin(); it != scheduled_.end() && it->first <= earliest; it = scheduled_.erase(it)) {
    Post(std::move(it->second));
  }
  for (SimTimer* timer : timers_) {
    if (timer->Enabled() && timer->Due() <= earliest) timer->FallDue();
  }
  return true;
}

}  // namespace quimbly::platform::sim
