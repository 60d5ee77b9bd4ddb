// The room's markup as its people see it: tags, attributes, entities, and
// markup that is broken or hostile, which must show as text or vanish in
// linear time; and the same runs for a terminal.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "markup.h"
#include "terminal_text.h"

namespace quimbly::markup {
namespace {

std::string Hex(const Color& c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", c.red, c.green, c.blue);
  return text;
}

// Each run as [its style]text, the style's parts in a fixed order.
std::string Describe(const std::vector<Run>& runs) {
  std::string out;
  for (const Run& run : runs) {
    const Style& s = run.style;
    std::string parts;
    auto add = [&](bool on, const std::string& part) {
      if (on) parts += (parts.empty() ? "" : " ") + part;
    };
    add(s.bold, "b");
    add(s.italic, "i");
    add(s.underline, "u");
    add(s.strike, "s");
    add(s.color.has_value(), "fg=" + (s.color ? Hex(*s.color) : ""));
    add(s.back.has_value(), "bg=" + (s.back ? Hex(*s.back) : ""));
    add(!s.face.empty(), "face=" + s.face);
    add(s.points != 0, "pt=" + std::to_string(s.points));
    out += "[" + parts + "]" + run.text;
  }
  return out;
}

struct Case {
  const char* name;
  std::string line;
  std::string shown;
};

void ExpectRendered(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Describe(Render(c.line)), c.shown);
  }
}

TEST(Markup, RendersWhatTheClientRenders) {
  ExpectRendered({
      {"an announcement",
       "<font face=Arial Narrow><FONT COLOR=#0080FF>  <b>\xB7 started</b>",
       "[fg=0080FF face=Arial Narrow]  [b fg=0080FF face=Arial Narrow]\xB7 started"},
      {"a reason with markup", "<i>lunch</i> &amp; <b>back</b>", "[i]lunch[] & [b]back"},
      {"each emphasis and its end", "<b>1</b><i>2</i><u>3</u><s>4</s>5", "[b]1[i]2[u]3[s]4[]5"},
      {"emphases nest and overlap", "<b>a<i>b</b>c</i>d", "[b]a[b i]b[i]c[]d"},
      {"tags and names in any case", "<B>a</b><Font CoLoR=#00ff00>b</FONT>c", "[b]a[fg=00FF00]b[]c"},
      {"a closing font ends only the last one", "<font color=#112233><font back=#445566>a</font>b</font>c",
       "[fg=112233 bg=445566]a[fg=112233]b[]c"},
      {"every font attribute, quoted either way", "<font face='Comic Sans MS' color=\"#A0B0C0\" back=#010203 size=4>x",
       "[fg=A0B0C0 bg=010203 face=Comic Sans MS pt=14]x"},
      {"an unquoted face ends at the next attribute", "<font face=Arial Narrow color=#FF0000 size=1>x",
       "[fg=FF0000 face=Arial Narrow pt=8]x"},
      {"a colour without its #", "<font color=0080FF>x", "[fg=0080FF]x"},
      {"line breaks", "a<br>b<BR/>c<br />d", "[]a\nb\nc\nd"},
      {"the entities", "&lt;b&gt; &quot;x&quot; a&nbsp;b &#65;&#255;", "[]<b> \"x\" a\xA0" "b A\xFF"},
      {"a tag left open runs to the end", "<u>open", "[u]open"},
      {"closing what is not open", "</b></font></i>x", "[]x"},
      {"unknown tags vanish, their text stays", "<blink>hi</blink> <a href=x>there</a><!-- x>", "[]hi there<!-- x>"},
  });
}

TEST(Markup, BadMarkupShowsAsTextOrVanishes) {
  std::string nested, unnested, high;
  for (int k = 0; k < 10000; ++k) nested += "<b>", unnested += "</b>";
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  ExpectRendered({
      {"a < that never closes", "a <b c <i d", "[]a <b c <i d"},
      {"a < that opens no tag", "1 < 2 <3 > 0", "[]1 < 2 <3 > 0"},
      {"a 10 000-byte tag", "<font face=" + std::string(10000, 'a') + ">after", "[]after"},
      {"a 10 000-byte colour", "<font color=#" + std::string(10000, 'f') + ">x", "[]x"},
      {"10 000 nested <b>", nested + "x" + unnested.substr(4) + "y</b>z", "[b]xy[]z"},
      {"a colour that is no colour", "<font color=#zzzzzz back=#12345>x</font>", "[]x"},
      {"a size that is none", "<font size=9>a</font><font size=0>b", "[]ab"},
      {"entities without their ;", "fish &amp chips &lt &#65", "[]fish &amp chips &lt &#65"},
      {"entities that are none", "&bogus; &AMP; &#x41; &#; &;", "[]&bogus; &AMP; &#x41; &#; &;"},
      {"a number too long for an entity", "&#12345678;", "[]&#12345678;"},
      {"a number beyond one byte", "&#8364;", "[]?"},
      {"NUL and control bytes vanish", std::string("a\0b\x1b[31mc\rd\ne\tf", 15), "[]ab[31mcde\tf"},
      {"entities that are control bytes", "a&#0;b&#27;c", "[]abc"},
      {"bytes beyond ASCII are text", "<b>" + high, "[b]" + high},
      // Bounded work shows in the result's size: one run per style change,
      // never one per byte or per tag.
      {"a 100 000-byte line", "<b>" + std::string(99997, 'x'), "[b]" + std::string(99997, 'x')},
      {"100 000 < that open nothing", std::string(100000, '<'), "[]" + std::string(100000, '<')},
  });
}

TEST(Markup, LongLinesKeepTheirTextInFewRuns) {
  std::string alternating;
  while (alternating.size() < 100000) alternating += "<b>x</b><b>y</b>z";
  EXPECT_EQ(Render(alternating).size(), 2 * (alternating.size() / 17));
}

TEST(TerminalText, EachRunGetsItsOwnSgr) {
  auto runs = Render("me: <b><i><u><s><font color=#0080FF back=#FFFF00>x</font></s>y");
  EXPECT_EQ(WithSgr(runs), "\x1b[0mme: \x1b[0;1;3;4;9;38;2;0;128;255;48;2;255;255;0mx\x1b[0;1;3;4my\x1b[0m");
  EXPECT_EQ(PlainText(runs), "me: xy");
  EXPECT_EQ(WithSgr({}), "");
}

}  // namespace
}  // namespace quimbly::markup
