#include "platform/rules/profile_format.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/rules/ascii.h"

namespace quimbly::platform::profile_format {
namespace {

// The system loads the whole file into sections of entries and, on any
// change, writes all of it back from them; lines before the first header form
// a section without a name.
struct Entry {
  std::string name;
  std::optional<std::string> value;  // none: the line had no '='
};

struct Section {
  std::string name;
  std::vector<Entry> entries;
};

constexpr std::string_view kSpace = " \t\n\v\f\r";

std::string_view TrimFront(std::string_view s) {
  s.remove_prefix(std::min(s.find_first_not_of(kSpace), s.size()));
  return s;
}

std::string_view TrimBack(std::string_view s) {
  const auto last = s.find_last_not_of(kSpace);
  return s.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

std::string_view Trim(std::string_view s) { return TrimBack(TrimFront(s)); }

// Names and values are C strings once loaded: a NUL byte ends them even where
// the line goes on.
std::string UpToNul(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

std::vector<Section> Parse(std::string_view content) {
  std::vector<Section> sections(1);
  while (!content.empty()) {
    // CR and LF each end a line, so blank lines and CR LF pairs vanish alike.
    const auto end = std::min(content.find_first_of("\r\n"), content.size());
    const std::string_view line = Trim(content.substr(0, end));
    content.remove_prefix(std::min(end + 1, content.size()));
    if (line.empty()) continue;

    const auto close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      sections.push_back({UpToNul(Trim(line.substr(1, close - 1))), {}});
      continue;
    }
    // Comments get no special treatment: a line without '=' is a key without a value.
    const auto equals = line.find('=');
    Entry entry{UpToNul(TrimBack(line.substr(0, equals))), std::nullopt};
    if (equals != std::string_view::npos) entry.value = UpToNul(TrimFront(line.substr(equals + 1)));
    sections.back().entries.push_back(std::move(entry));
  }
  return sections;
}

std::string Serialize(const std::vector<Section>& sections) {
  std::string out;
  for (const Section& section : sections) {
    if (!section.name.empty()) out += "[" + section.name + "]\r\n";
    for (const Entry& entry : section.entries) {
      out += entry.name + (entry.value ? "=" + *entry.value : "") + "\r\n";
    }
  }
  return out;
}

// Only the first section and the first key of a name count; later duplicates
// are kept in the file but never read or written. Only ASCII letters fold:
// under Wine "\xC9" and "\xE9" are different names.
Section* FindSection(std::vector<Section>& sections, std::string_view name) {
  const auto it =
      std::find_if(sections.begin(), sections.end(), [&](const Section& s) { return ascii::SameIgnoringCase(s.name, Trim(name)); });
  return it == sections.end() ? nullptr : &*it;
}

Entry* FindEntry(Section& section, std::string_view key) {
  const auto it = std::find_if(section.entries.begin(), section.entries.end(),
                               [&](const Entry& e) { return ascii::SameIgnoringCase(e.name, Trim(key)); });
  return it == section.entries.end() ? nullptr : &*it;
}

// The value as it stands in the file, quotes and all.
std::optional<std::string> RawValue(std::string_view content, std::string_view section, std::string_view key) {
  auto sections = Parse(content);
  Section* found = FindSection(sections, section);
  Entry* entry = found ? FindEntry(*found, key) : nullptr;
  return entry ? entry->value : std::nullopt;
}

bool Quoted(std::string_view value) {
  return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
}

std::string Unquoted(std::string_view value) {
  return std::string(Quoted(value) ? value.substr(1, value.size() - 2) : value);
}

}  // namespace

std::optional<std::string> Read(std::string_view content, std::string_view section, std::string_view key) {
  const auto raw = RawValue(content, section, key);
  if (!raw) return std::nullopt;
  return Unquoted(*raw);
}

std::string ReadIntoBuffer(std::string_view content, std::string_view section, std::string_view key, int bufferSize) {
  const auto raw = RawValue(content, section, key);
  if (!raw || bufferSize < 1) return "";
  const std::string value = Unquoted(*raw);
  auto room = static_cast<std::size_t>(bufferSize - 1);
  // The call copies the value with its closing quote and then drops the last
  // character copied, which is not the quote when the quote did not fit.
  if (Quoted(*raw) && room == value.size() && room > 0) --room;
  return value.substr(0, room);
}

std::string Write(std::string_view content, bool exists, std::string_view section, std::string_view key,
                  std::string_view value) {
  auto sections = Parse(exists ? content : std::string_view());
  // Leading white space is dropped from what is written, trailing kept.
  value = TrimFront(value);
  Section* target = FindSection(sections, section);
  if (!target) target = &sections.emplace_back(Section{std::string(TrimFront(section)), {}});
  Entry* entry = FindEntry(*target, key);
  if (!entry) {
    entry = &target->entries.emplace_back(Entry{std::string(TrimFront(key)), std::nullopt});
  } else if (entry->value == value) {
    return std::string(content);  // nothing changes, so the file is not rewritten
  }
  entry->value = std::string(value);
  return Serialize(sections);
}

}  // namespace quimbly::platform::profile_format
