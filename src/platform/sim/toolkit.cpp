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
  const std::vector<EventBinding> bindings = events.Bindings();
  if (const std::string fault = BindingFault(layout, bindings); !fault.empty()) throw std::logic_error(fault);
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

void SimToolkit::Run(const std::function<void()>& program) { Deliver(program); }

void SimToolkit::Click(std::string_view form, std::string_view control) { Deliver(Press(form, control, Event::Click)); }

void SimToolkit::MouseDown(std::string_view form, std::string_view control) {
  Deliver(Press(form, control, Event::MouseDown));
}

// One key at a time, each handled before the next arrives.
void SimToolkit::Type(std::string_view form, std::string_view keys) {
  for (const char c : keys) Deliver(Keys(form, std::string(1, c)));
}

void SimToolkit::Uncover(std::string_view form) {
  SimForm& target = VisibleForm(*this, form);
  Deliver([&target] { target.Uncover(); });
}

void SimToolkit::ClickAt(double clock, std::string_view form, std::string_view control) {
  scheduled_.push_back({clock, Press(form, control, Event::Click)});
}

void SimToolkit::TypeAt(double clock, std::string_view form, std::string_view keys) {
  scheduled_.push_back({clock, Keys(form, keys)});
}

void SimToolkit::EndSession() { Deliver([this] { SessionEnds(); }); }

void SimToolkit::EndSessionAt(double clock) { scheduled_.push_back({clock, [this] { SessionEnds(); }}); }

void SimToolkit::SessionEnds() {
  const std::vector<SimForm*> told = forms_;
  for (SimForm* form : told) form->Events().SessionEnding();
  End();
}

std::function<void()> SimToolkit::Press(std::string_view form, std::string_view control, Event event) {
  return [this, f = std::string(form), c = std::string(control), event] { VisibleForm(*this, f).Press(c, event); };
}

// Each key finds the form as it stands: a handler may have hidden it.
std::function<void()> SimToolkit::Keys(std::string_view form, std::string_view keys) {
  return [this, f = std::string(form), k = std::string(keys)] {
    for (const char c : k) VisibleForm(*this, f).Key(static_cast<unsigned char>(c));
  };
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
  // Everything due at that moment, scheduled input first (in the order it
  // was scheduled), then ticks.
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
        Post([form, name = std::string(timer->Name())] { form->Events().Raise(name, Event::Timer); });
      }
    }
  }
  return true;
}

std::optional<std::string> SimToolkit::ShowPopup(Popup popup) {
  popups_.push_back(std::move(popup));
  auto choice = std::move(nextPopupChoice_);
  nextPopupChoice_.reset();
  return choice;
}

}  // namespace quimbly::platform::sim
