// A loaded form's controls and menus by their layout names, each as the kind
// it is: the one look-up both backends make for Form::Label, Form::Timer...
#pragma once

#include <string_view>
#include <variant>
#include <vector>

namespace quimbly::platform {

template <typename... Kinds>
class NamedControls {
 public:
  template <typename Kind>
  void Add(std::string_view name, Kind* control) {
    entries_.push_back({name, control});
  }

  // The control of that name and kind, or null. Names come from the fixed
  // layout tables, so the caller treats a null as a programming error.
  template <typename Kind>
  Kind* Find(std::string_view name) const {
    for (const Entry& e : entries_) {
      if (e.name != name) continue;
      if (Kind* const* control = std::get_if<Kind*>(&e.control)) return *control;
    }
    return nullptr;
  }

 private:
  struct Entry {
    std::string_view name;
    std::variant<Kinds*...> control;
  };
  std::vector<Entry> entries_;
};

}  // namespace quimbly::platform
