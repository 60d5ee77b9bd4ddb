#include "scenarios.h"

namespace quimbly::probe {

using namespace std::string_literals;

namespace {

// 800 characters that are not all alike, so a cut in the wrong place shows.
std::string LongValue() {
  std::string value;
  for (int i = 0; i < 800; ++i) value += static_cast<char>('a' + i % 26);
  return value;
}

std::string HighBytes() {
  std::string bytes;
  for (int c = 0x80; c <= 0xFF; ++c) bytes += static_cast<char>(c);
  return bytes;
}

constexpr char kHandWritten[] =
    "; made by hand\n"
    "\n"
    "[ qbv1 ]\n"
    "\n"
    "  handle  =  Jo Jo  \n"
    "noequals\n"
    "\n"
    "[other]\n"
    "x = 1\n"
    "\n";

}  // namespace

std::vector<Scenario> Scenarios() {
  return {
      {"first write creates the file", std::nullopt, {Write("qbv1", "HANDLE", "Jo"), Read("qbv1", "handle")}},
      {"writing a key twice keeps one line", std::nullopt,
       {Write("qbv1", "HANDLE", "Jo"), Write("qbv1", "HANDLE", "Bob"), Read("qbv1", "handle")}},
      {"names match in any case, the file keeps its own spelling", std::nullopt,
       {Write("qbv1", "HANDLE", "Jo"), Read("qbv1", "handle"), Read("qbv1", "HANDLE"), Read("qbv1", "HaNdLe"),
        Read("QBV1", "handle"), Read("QbV1", "hAnDlE"), Write("QBV1", "handle", "Al")}},
      {"a second key goes after the first", std::nullopt,
       {Write("qbv1", "HANDLE", "Jo"), Write("qbv1", "OTHER", "x"), Read("qbv1", "other"), Read("qbv1", "handle")}},
      {"a new section goes at the end", "[qbv1]\r\nHANDLE=Jo\r\n"s,
       {Write("other", "k", "v"), Read("other", "k"), Read("qbv1", "handle")}},
      {"a new key goes last in its section", "[qbv1]\r\na=1\r\n[other]\r\nb=2\r\n"s,
       {Write("qbv1", "HANDLE", "Jo"), Read("qbv1", "handle")}},
      {"a new section after others", "[qbv1]\r\na=1\r\n[other]\r\nb=2\r\n"s, {Write("new", "k", "v")}},
      {"a rewritten key keeps its place and spelling", "[qbv1]\r\na=1\r\nHandle=Jo\r\nb=2\r\n"s,
       {Write("qbv1", "HANDLE", "Al")}},
      {"file without the section", "[other]\r\nk=v\r\n"s,
       {Read("qbv1", "handle"), Read("qbv1", "k"), Write("qbv1", "HANDLE", "Jo"), Read("qbv1", "handle")}},
      {"hand-written file, rewritten on a change", kHandWritten,
       {Read("qbv1", "handle"), Read("qbv1", "noequals"), Read("other", "x"), Read("", "; made by hand"),
        Write("qbv1", "HANDLE", "Al")}},
      {"hand-written file, left alone when the value is the same", kHandWritten,
       {Write("qbv1", "HANDLE", "Jo Jo"), Write("QBV1", "handle", " \tJo Jo"), Write("other", "X", "1")}},
      {"a changed case is a change", "[qbv1]\nhandle=Jo\n"s, {Write("qbv1", "HANDLE", "JO")}},
      {"comment lines are keys without values", "[qbv1]\r\n; note\r\n;handle=x\r\n#k=y\r\n"s,
       {Read("qbv1", "; note"), Read("qbv1", ";handle"), Read("qbv1", "#k"), Write("qbv1", "HANDLE", "Jo")}},
      {"LF line ends", "[qbv1]\nhandle=Jo\nk=1\n"s,
       {Read("qbv1", "handle"), Read("qbv1", "k"), Write("qbv1", "k", "2")}},
      {"CR line ends", "[qbv1]\rhandle=Jo\rk=1\r"s,
       {Read("qbv1", "handle"), Read("qbv1", "k"), Write("qbv1", "k", "2")}},
      {"no final newline", "[qbv1]\r\nhandle=Jo"s, {Read("qbv1", "handle"), Write("qbv1", "HANDLE", "Al")}},
      {"blank and whitespace-only lines", "\r\n \t\r\n[qbv1]\r\n\r\n\v\f\r\na=1\n\r\r\n\r\nb=2\r\n\r\n\r\n"s,
       {Read("qbv1", "a"), Read("qbv1", "b"), Write("qbv1", "c", "3")}},
      {"CR LF line ends", "[qbv1]\r\nhandle=Jo\r\nk=1\r\n"s, {Read("qbv1", "handle"), Read("qbv1", "k")}},
      {"mixed line ends", "[qbv1]\r\nhandle=Jo\r\r\n\n\rk=1"s,
       {Read("qbv1", "handle"), Read("qbv1", "k"), Write("qbv1", "k", "2")}},
      {"an empty file", ""s, {Read("qbv1", "handle"), Write("qbv1", "HANDLE", "Jo")}},
      {"a file of blank lines", "\r\n\n"s, {Read("qbv1", "handle"), Write("qbv1", "HANDLE", "Jo")}},
      {"a long value cut by the buffer", std::nullopt,
       {Write("qbv1", "HANDLE", LongValue()), Read("qbv1", "handle", 750), Read("qbv1", "handle", 800),
        Read("qbv1", "handle", 801), Read("qbv1", "handle", 2), Read("qbv1", "handle", 1), Read("qbv1", "nick")}},
      {"an empty value", "[qbv1]\r\nk=\r\nm=   \r\n"s,
       {Write("qbv1", "HANDLE", ""), Read("qbv1", "handle"), Read("qbv1", "k"), Read("qbv1", "m"),
        Write("qbv1", "m", "")}},
      {"an empty value is not the missing value of a line without '='", "[qbv1]\nk\n"s, {Write("qbv1", "k", "")}},
      {"spaces around values", "[qbv1]\r\nk =\t v v \t\r\n"s,
       {Read("qbv1", "k"), Write("qbv1", "HANDLE", "  Jo  "), Read("qbv1", "handle"), Write("qbv1", "t", "\tx\t")}},
      {"only spaces, tabs, VT, FF, CR and LF are trimmed", "[qbv1]\r\nk=\x1c A \xa0\r\nj=\v\fB\f\v\r\n"s,
       {Read("qbv1", "k"), Read("qbv1", "j"), Write("qbv1", "j", "\x1c")}},
      {"quotes in the file",
       "[q]\r\na=\"Jo\"\r\nb='Jo'\r\nc=\" Jo \"\r\nd= \"Jo\" \r\ne=\"J\"o\"\r\nf=\"\"\r\ng=\"Jo\r\nh=Jo\"\r\n"
       "i=\"Jo'\r\nj=\"\r\n"s,
       {Read("q", "a"), Read("q", "b"), Read("q", "c"), Read("q", "d"), Read("q", "e"), Read("q", "f"), Read("q", "g"),
        Read("q", "h"), Read("q", "i"), Read("q", "j")}},
      {"quoted values written", std::nullopt,
       {Write("qbv1", "a", "\"Jo\""), Write("qbv1", "b", "'Jo'"), Write("qbv1", "c", "\"Jo"),
        Write("qbv1", "d", "Jo\""), Write("qbv1", "e", "\"J\"o\""), Write("qbv1", "f", "\"Jo'"),
        Write("qbv1", "g", "\""), Write("qbv1", "h", "\"\""), Write("qbv1", "i", " \"Jo\" "),
        Write("qbv1", "j", "\" Jo \""), Read("qbv1", "a"), Read("qbv1", "b"), Read("qbv1", "c"),
        Read("qbv1", "d"), Read("qbv1", "e"), Read("qbv1", "f"), Read("qbv1", "g"), Read("qbv1", "h"),
        Read("qbv1", "i"), Read("qbv1", "j")}},
      {"a quoted value that only just fits the buffer", "[qbv1]\r\nq=\"abcdef\"\r\np=abcdef\r\nh=\"\"\r\n"s,
       {Read("qbv1", "q", 9), Read("qbv1", "q", 8), Read("qbv1", "q", 7), Read("qbv1", "q", 6),
        Read("qbv1", "q", 2), Read("qbv1", "q", 1), Read("qbv1", "p", 7), Read("qbv1", "p", 6),
        Read("qbv1", "h", 1), Read("qbv1", "h", 2)}},
      {"Windows-1252 bytes in values", std::nullopt,
       {Write("qbv1", "HANDLE", HighBytes()), Read("qbv1", "handle"), Write("qbv1", "n", "J\xf6rg \x80\xa0")}},
      {"only ASCII letters match in any case", "[\xc9t\xe9]\r\n\xc9=1\r\n\x8a=2\r\n"s,
       {Read("\xc9t\xe9", "\xc9"), Read("\xc9T\xe9", "\xc9"), Read("\xc9t\xe9", "\xe9"), Read("\xe9t\xc9", "\xc9"),
        Read("\xe9T\xc9", "\xc9"), Read("\xc9t\xe9", "\x9a"), Read("\xc9T\xe9", "\x9a"),
        Write("\xc9T\xe9", "\xe9", "3")}},
      {"a key in two sections", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"s,
       {Read("a", "k"), Read("b", "k"), Write("b", "k", "3"), Read("a", "k")}},
      {"the same key twice in a section", "[qbv1]\r\nhandle=A\r\nhandle=B\r\n"s,
       {Read("qbv1", "handle"), Write("qbv1", "HANDLE", "C"), Read("qbv1", "handle")}},
      {"a key without a value hides a later one", "[qbv1]\r\nhandle\r\nhandle=B\r\n"s,
       {Read("qbv1", "handle"), Write("qbv1", "HANDLE", "C"), Read("qbv1", "handle")}},
      {"missing file, section and key", std::nullopt,
       {Read("qbv1", "handle"), Write("qbv1", "HANDLE", "Jo"), Read("qbv1", "nick"), Read("other", "handle")}},
      {"a duplicate section header", "[qbv1]\r\na=1\r\n[s]\r\nx=1\r\n[QBV1]\r\nhandle=B\r\n"s,
       {Read("qbv1", "handle"), Read("qbv1", "a"), Write("qbv1", "HANDLE", "C"), Read("qbv1", "handle")}},
      {"lines before the first section", "top=1\r\n; note\r\n[qbv1]\r\nk=2\r\n"s,
       {Read("", "top"), Read("qbv1", "top"), Write("", "new", "v"), Write("qbv1", "k", "3")}},
      {"a section named by nothing but spaces is the one before the first header", "[qbv1]\r\nk=1\r\n"s,
       {Write("  ", "top", "v"), Read("", "top")}},
      {"odd header lines", "top=1\r\n[qbv1\r\nx=1\r\n[a]b]\r\ny=2\r\n[c] tail\r\nz=3\r\n[]\r\nw=4\r\n[a=b]\r\nv=5\r\n"s,
       {Read("", "top"), Read("qbv1", "x"), Read("", "x"), Read("", "[qbv1"), Read("a]b", "y"), Read("c", "z"), Read("c", "w"),
        Read("", "w"), Read("a=b", "v"), Write("c", "z", "9")}},
      {"whitespace around names", "  [ qbv1 ]  \r\n\t handle \t= Jo\r\n"s,
       {Read("qbv1", "handle"), Read(" qbv1\t", "\thandle "), Write("\tqbv1 ", " handle", "Al")}},
      {"new names keep their trailing spaces", std::nullopt,
       {Write(" qbv1 ", " HANDLE ", " Jo "), Read("qbv1", "handle"), Write("qbv1", "handle ", "Al")}},
      {"new names lose leading VT, FF, CR and LF too", std::nullopt, {Write("\v\nq\f", "\r\fk\v", "\n\r\v\fv\v")}},
      {"an equals sign in a value", "[qbv1]\r\nk=a=b\r\n=7\r\n"s,
       {Read("qbv1", "k"), Read("qbv1", ""), Write("qbv1", "k", "c=d")}},
      {"NUL bytes in the file end names and values",
       "[qbv1]\r\na=1\0x=2\r\nk\0z=3\r\nm=1 \0x\r\n\0[s]\r\nb=1\r\n[q\0]\r\nc=1\r\n"s,
       {Read("qbv1", "a"), Read("qbv1", "x"), Read("qbv1", "k"), Read("qbv1", "z"), Read("qbv1", "m"),
        Read("qbv1", "b"), Read("s", "b"), Read("q", "c"), Write("qbv1", "a", "5")}},
      {"a line break in a written value", std::nullopt,
       {Write("qbv1", "HANDLE", "a\nb"), Read("qbv1", "handle"), Read("qbv1", "b"), Write("qbv1", "b", "2"),
        Read("qbv1", "b"), Write("qbv1", "K2", "1")}},
  };
}

}  // namespace quimbly::probe
