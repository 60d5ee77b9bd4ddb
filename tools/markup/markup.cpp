#include "markup.h"

#include <array>
#include <cstddef>

#include "platform/rules/ascii.h"

namespace quimbly::markup {
namespace {

// Windows keeps a font's name in 32 bytes, the last one a NUL: a longer
// face names no font.
constexpr std::size_t kMaxFace = 31;
// "&#" and at most 7 digits: beyond that it is not a character at all.
constexpr std::size_t kMaxEntity = 10;
// <font size=1> to <font size=7>, in points, as browsers read them.
constexpr std::array<int, 7> kSizePoints{8, 10, 12, 14, 18, 24, 36};

struct Entity {
  std::string_view name;
  char byte;
};
constexpr Entity kEntities[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"nbsp", '\xA0'},
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// Tag and attribute names, in any case.
using platform::ascii::Lower;
using platform::ascii::SameIgnoringCase;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Lower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "#RRGGBB" or "RRGGBB"; anything else is no colour.
std::optional<Color> ParseColor(std::string_view value) {
  if (!value.empty() && value[0] == '#') value.remove_prefix(1);
  if (value.size() != 6) return std::nullopt;
  std::array<std::uint8_t, 3> bytes{};
  for (std::size_t k = 0; k < 3; ++k) {
    int high = HexDigit(value[2 * k]), low = HexDigit(value[2 * k + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes[k] = static_cast<std::uint8_t>(high * 16 + low);
  }
  return Color{bytes[0], bytes[1], bytes[2]};
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

struct Attribute {
  std::string_view name, value;
};

// The attributes of a tag's inside, after its name. An unquoted value runs
// on over spaces until the next "name=", so that face=Arial Narrow names
// the font it says.
std::vector<Attribute> ParseAttributes(std::string_view s) {
  std::vector<Attribute> attributes;
  std::size_t i = 0, n = s.size();
  auto skipSpaces = [&](std::size_t k) {
    while (k < n && IsSpace(s[k])) ++k;
    return k;
  };
  auto wordEnd = [&](std::size_t k) {
    while (k < n && !IsSpace(s[k]) && s[k] != '=') ++k;
    return k;
  };
  while ((i = skipSpaces(i)) < n) {
    std::size_t nameEnd = wordEnd(i);
    if (nameEnd == i) {  // a stray "="
      ++i;
      continue;
    }
    Attribute a{s.substr(i, nameEnd - i), {}};
    i = skipSpaces(nameEnd);
    if (i < n && s[i] == '=') {
      i = skipSpaces(i + 1);
      if (i < n && (s[i] == '"' || s[i] == '\'')) {
        std::size_t close = s.find(s[i], i + 1);
        if (close == std::string_view::npos) close = n;
        a.value = s.substr(i + 1, close - i - 1);
        i = close + 1;
      } else {
        std::size_t start = i, end = i;
        while (end < n && !IsSpace(s[end])) ++end;
        for (;;) {
          std::size_t next = skipSpaces(end);
          if (next == n) break;
          std::size_t nextEnd = wordEnd(next), after = skipSpaces(nextEnd);
          if (nextEnd == next || (after < n && s[after] == '=')) break;  // the next attribute
          end = nextEnd;
        }
        a.value = s.substr(start, end - start);
        i = end;
      }
    }
    attributes.push_back(a);
  }
  return attributes;
}

class LineRenderer {
 public:
  std::vector<Run> Take() {
    Flush();
    return std::move(runs_);
  }

  // c: a byte of text. Control bytes show nothing in a room, and must not
  // reach a terminal that echoes the room.
  void Text(char c) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return;
    pending_ += c;
  }
  void LineBreak() { pending_ += '\n'; }

  // inside: what lies between "<" and ">".
  void Tag(std::string_view inside) {
    bool closing = !inside.empty() && inside[0] == '/';
    if (closing) inside.remove_prefix(1);
    std::size_t nameEnd = 0;
    while (nameEnd < inside.size() && !IsSpace(inside[nameEnd]) && inside[nameEnd] != '/') ++nameEnd;
    std::string_view name = inside.substr(0, nameEnd);
    if (SameIgnoringCase(name, "br")) {
      LineBreak();
    } else if (SameIgnoringCase(name, "font")) {
      Flush();
      if (closing) {
        if (fonts_.size() > 1) fonts_.pop_back();
      } else {
        OpenFont(ParseAttributes(inside.substr(nameEnd)));
      }
    } else if (int* depth = Emphasis(name)) {
      Flush();
      if (!closing) {
        ++*depth;
      } else if (*depth > 0) {
        --*depth;
      }
    }
    // Any other tag is dropped, as a browser drops what it does not know.
  }

 private:
  int* Emphasis(std::string_view name) {
    if (SameIgnoringCase(name, "b")) return &bold_;
    if (SameIgnoringCase(name, "i")) return &italic_;
    if (SameIgnoringCase(name, "u")) return &underline_;
    if (SameIgnoringCase(name, "s")) return &strike_;
    return nullptr;
  }

  void OpenFont(const std::vector<Attribute>& attributes) {
    Style font = fonts_.back();
    for (const Attribute& a : attributes) {
      std::string_view value = Trim(a.value);
      if (SameIgnoringCase(a.name, "face")) {
        if (!value.empty() && value.size() <= kMaxFace) font.face = std::string(value);
      } else if (SameIgnoringCase(a.name, "color")) {
        if (auto c = ParseColor(value)) font.color = c;
      } else if (SameIgnoringCase(a.name, "back")) {
        if (auto c = ParseColor(value)) font.back = c;
      } else if (SameIgnoringCase(a.name, "size")) {
        if (value.size() == 1 && value[0] >= '1' && value[0] <= '7')
          font.points = kSizePoints[static_cast<std::size_t>(value[0] - '1')];
      }
    }
    fonts_.push_back(std::move(font));
  }

  void Flush() {
    if (pending_.empty()) return;
    Style style = fonts_.back();
    style.bold = bold_ > 0;
    style.italic = italic_ > 0;
    style.underline = underline_ > 0;
    style.strike = strike_ > 0;
    if (!runs_.empty() && runs_.back().style == style) {
      runs_.back().text += pending_;
    } else {
      runs_.push_back({std::move(style), std::move(pending_)});
    }
    pending_.clear();
  }

  std::vector<Style> fonts_{Style{}};  // the open <font> tags over the view's own
  int bold_ = 0, italic_ = 0, underline_ = 0, strike_ = 0;
  std::string pending_;
  std::vector<Run> runs_;
};

// The entity at line[i] == '&', if it is one: its byte (0 for one that shows
// nothing) and its length.
std::optional<std::pair<char, std::size_t>> ReadEntity(std::string_view line, std::size_t i) {
  std::size_t semicolon = line.substr(i, kMaxEntity).find(';');
  if (semicolon == std::string_view::npos) return std::nullopt;
  std::string_view name = line.substr(i + 1, semicolon - 1);
  std::size_t length = semicolon + 1;
  if (name.size() >= 2 && name[0] == '#') {
    unsigned code = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return std::nullopt;
      code = code * 10 + static_cast<unsigned>(c - '0');
    }
    // Beyond one byte there is no telling which byte of the code page it is.
    return std::pair{code > 255 ? '?' : static_cast<char>(code), length};
  }
  for (const Entity& e : kEntities)
    if (name == e.name) return std::pair{e.byte, length};
  return std::nullopt;
}

}  // namespace

std::vector<Run> Render(std::string_view line) {
  LineRenderer out;
  // Once no ">" follows, no "<" can open a tag: remembered, so a line of
  // "<" without end is read once, not once per "<".
  bool tagsPossible = true;
  std::size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == '<' && tagsPossible && i + 1 < line.size() &&
        (IsLetter(line[i + 1]) || (line[i + 1] == '/' && i + 2 < line.size() && IsLetter(line[i + 2])))) {
      std::size_t close = line.find('>', i + 1);
      if (close == std::string_view::npos) {
        tagsPossible = false;
      } else {
        out.Tag(line.substr(i + 1, close - i - 1));
        i = close + 1;
        continue;
      }
    }
    if (c == '&') {
      if (auto entity = ReadEntity(line, i)) {
        out.Text(entity->first);
        i += entity->second;
        continue;
      }
    }
    out.Text(c);
    ++i;
  }
  return out.Take();
}

}  // namespace quimbly::markup
