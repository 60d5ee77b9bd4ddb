#include "platform/sim/toolkit.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace quimbly::platform::sim {
namespace {

class SimLabel : public Label {
 public:
  explicit SimLabel(std::string_view caption) : caption_(caption) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }

 private:
  std::string caption_;
};

class SimTextBox : public TextBox {
 public:
  explicit SimTextBox(std::string_view text) : text_(text) {}
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_ = text; }

 private:
  std::string text_;
};

[[noreturn]] void NoSuchControl(std::string_view form, std::string_view name) {
  throw std::logic_error(std::string(form) + " has no such control: " + std::string(name));
}

}  // namespace

struct SimForm::Controls {
  std::map<std::string, std::unique_ptr<SimLabel>, std::less<>> labels;
  std::map<std::string, std::unique_ptr<SimTextBox>, std::less<>> textBoxes;
  std::vector<std::unique_ptr<SimTimer>> timers;  // creation order breaks ties between due timers
};

std::unique_ptr<Form> SimToolkit::LoadForm(const FormLayout& layout, FormEvents& events) {
  return std::make_unique<SimForm>(*this, layout, events);
}

SimForm& SimToolkit::FindForm(std::string_view name) const {
  for (SimForm* form : forms_) {
    if (form->Layout().name == name) return *form;
  }
  throw std::logic_error("no form is loaded by the name " + std::string(name));
}

void SimToolkit::Click(std::string_view formName, std::string_view control) {
  SimForm& form = FindForm(formName);
  if (!form.Visible()) throw std::logic_error("a hidden form cannot be clicked");
  const ControlKind kind = form.Control(control).kind;
  if (kind != ControlKind::Label && kind != ControlKind::PictureBox) {
    throw std::logic_error("no click event on " + std::string(control));
  }
  Post([&form, name = std::string(control)] { form.Events().Click(name); });
  RunPending();
}

void SimToolkit::Type(std::string_view form, std::string_view control, std::string_view text) {
  FindForm(form).TextBox(control).SetText(text);
}

void SimToolkit::AdvanceSeconds(double seconds) {
  const double end = now_ + seconds;
  for (;;) {
    SimTimer* next = nullptr;
    SimForm* owner = nullptr;
    for (SimForm* form : forms_) {
      for (SimTimer* timer : form->Timers()) {
        if (timer->Enabled() && timer->Due() <= end && (next == nullptr || timer->Due() < next->Due())) {
          next = timer;
          owner = form;
        }
      }
    }
    if (next == nullptr) break;
    now_ = next->Due();
    next->Rearm();
    Post([owner, name = std::string(next->Layout().name)] { owner->Events().TimerTick(name); });
    RunPending();
  }
  now_ = end;
}

void SimToolkit::Post(std::function<void()> event) { pending_.push_back(std::move(event)); }

void SimToolkit::RunPending() {
  while (!pending_.empty()) {
    auto event = std::move(pending_.front());
    pending_.pop_front();
    event();
  }
}

SimForm::SimForm(SimToolkit& toolkit, const FormLayout& layout, FormEvents& events)
    : toolkit_(toolkit),
      layout_(layout),
      events_(events),
      hwnd_(toolkit.windows_.CreateWindow(std::string("Sim") + std::string(layout.name))),
      controls_(std::make_unique<Controls>()) {
  for (const ControlLayout& c : layout.controls) {
    switch (c.kind) {
      case ControlKind::Label:
        controls_->labels.emplace(std::string(c.name), std::make_unique<SimLabel>(c.text));
        break;
      case ControlKind::TextBox:
        controls_->textBoxes.emplace(std::string(c.name), std::make_unique<SimTextBox>(c.text));
        break;
      case ControlKind::Timer:
        controls_->timers.push_back(std::make_unique<SimTimer>(toolkit, c));
        break;
      case ControlKind::PictureBox:
        break;
    }
  }
  toolkit_.forms_.push_back(this);
}

SimForm::~SimForm() {
  auto& forms = toolkit_.forms_;
  forms.erase(std::find(forms.begin(), forms.end(), this));
  toolkit_.windows_.DestroyWindow(hwnd_);
}

platform::Label& SimForm::Label(std::string_view name) {
  const auto it = controls_->labels.find(name);
  if (it == controls_->labels.end()) NoSuchControl(layout_.name, name);
  return *it->second;
}

platform::TextBox& SimForm::TextBox(std::string_view name) {
  const auto it = controls_->textBoxes.find(name);
  if (it == controls_->textBoxes.end()) NoSuchControl(layout_.name, name);
  return *it->second;
}

platform::Timer& SimForm::Timer(std::string_view name) {
  for (const auto& timer : controls_->timers) {
    if (timer->Layout().name == name) return *timer;
  }
  NoSuchControl(layout_.name, name);
}

const ControlLayout& SimForm::Control(std::string_view name) const {
  for (const ControlLayout& c : layout_.controls) {
    if (c.name == name) return c;
  }
  NoSuchControl(layout_.name, name);
}

std::vector<SimTimer*> SimForm::Timers() {
  std::vector<SimTimer*> timers;
  for (const auto& timer : controls_->timers) timers.push_back(timer.get());
  return timers;
}

void SimTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) due_ = toolkit_.Now() + layout_.intervalMs / 1000.0;
  enabled_ = enabled;
}

}  // namespace quimbly::platform::sim
