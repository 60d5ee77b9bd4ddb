// Expected bytes and values are what Wine's GetPrivateProfileStringA and
// WritePrivateProfileStringA gave on the same files (tools/profile-probe
// checks them again under Wine).
#include "platform/sim/profile_format.h"

#include <gtest/gtest.h>

#include <string>

namespace quimbly::platform::sim::profile_format {
namespace {

using namespace std::string_literals;

const std::string kHandWritten =
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

const std::string kControls = "[qbv1]\r\nk=\x1c A \xa0\r\nj=\v\fB\f\v\r\n";

const std::string kOddHeaders =
    "top=1\r\n[qbv1\r\nx=1\r\n[a]b]\r\ny=2\r\n[c] tail\r\nz=3\r\n[]\r\nw=4\r\n[a=b]\r\nv=5\r\n";

const std::string kNuls = "[qbv1]\r\na=1\0x=2\r\nk\0z=3\r\nm=1 \0x\r\n\0[s]\r\nb=1\r\n[q\0]\r\nc=1\r\n"s;

// --- Writing ---------------------------------------------------------------

TEST(ProfileFormatWrite, FirstWriteMakesTheSectionAndTheKey) {
  EXPECT_EQ(Write("", false, "qbv1", "HANDLE", "Jo"), "[qbv1]\r\nHANDLE=Jo\r\n");
  EXPECT_EQ(Write("", true, "qbv1", "HANDLE", "Jo"), "[qbv1]\r\nHANDLE=Jo\r\n") << "an empty file";
  EXPECT_EQ(Write("\r\n\n", true, "qbv1", "HANDLE", "Jo"), "[qbv1]\r\nHANDLE=Jo\r\n") << "blank lines only";
}

TEST(ProfileFormatWrite, AnExistingKeyIsReplacedInPlaceUnderTheFilesSpelling) {
  const std::string once = Write("", false, "qbv1", "HANDLE", "Jo");
  EXPECT_EQ(Write(once, true, "qbv1", "HANDLE", "Bob"), "[qbv1]\r\nHANDLE=Bob\r\n");
  EXPECT_EQ(Write(once, true, "QBV1", "handle", "Al"), "[qbv1]\r\nHANDLE=Al\r\n");
  EXPECT_EQ(Write("[qbv1]\r\na=1\r\nHandle=Jo\r\nb=2\r\n", true, "qbv1", "HANDLE", "Al"),
            "[qbv1]\r\na=1\r\nHandle=Al\r\nb=2\r\n");
}

TEST(ProfileFormatWrite, NewKeysGoLastInTheirSectionAndNewSectionsLastInTheFile) {
  const std::string file = "[qbv1]\r\na=1\r\n[other]\r\nb=2\r\n";
  EXPECT_EQ(Write(file, true, "qbv1", "HANDLE", "Jo"), "[qbv1]\r\na=1\r\nHANDLE=Jo\r\n[other]\r\nb=2\r\n");
  EXPECT_EQ(Write(file, true, "new", "k", "v"), file + "[new]\r\nk=v\r\n") << "no blank line before it";
  EXPECT_EQ(Write("[qbv1]\r\n; note\r\n;handle=x\r\n#k=y\r\n", true, "qbv1", "HANDLE", "Jo"),
            "[qbv1]\r\n; note\r\n;handle=x\r\n#k=y\r\nHANDLE=Jo\r\n")
      << "comments are just more lines of the section";
}

TEST(ProfileFormatWrite, AChangeRewritesTheWholeFileTidied) {
  EXPECT_EQ(Write(kHandWritten, true, "qbv1", "HANDLE", "Al"),
            "; made by hand\r\n[qbv1]\r\nhandle=Al\r\nnoequals\r\n[other]\r\nx=1\r\n");
  EXPECT_EQ(Write("[qbv1]\rhandle=Jo\rk=1\r", true, "qbv1", "k", "2"), "[qbv1]\r\nhandle=Jo\r\nk=2\r\n");
  EXPECT_EQ(Write("[qbv1]\r\nhandle=Jo", true, "qbv1", "HANDLE", "Al"), "[qbv1]\r\nhandle=Al\r\n");
  EXPECT_EQ(Write("[qbv1]\r\nhandle=Jo\r\r\n\n\rk=1", true, "qbv1", "k", "2"), "[qbv1]\r\nhandle=Jo\r\nk=2\r\n");
  EXPECT_EQ(Write("\r\n \t\r\n[qbv1]\r\n\r\n\v\f\r\na=1\n\r\r\n\r\nb=2\r\n\r\n\r\n", true, "qbv1", "c", "3"),
            "[qbv1]\r\na=1\r\nb=2\r\nc=3\r\n");
}

TEST(ProfileFormatWrite, TheSameValueAgainLeavesTheFileUntouched) {
  EXPECT_EQ(Write(kHandWritten, true, "qbv1", "HANDLE", "Jo Jo"), kHandWritten);
  EXPECT_EQ(Write(kHandWritten, true, "QBV1", "handle", " \tJo Jo"), kHandWritten)
      << "the new value's leading spaces go before the comparison";
  EXPECT_EQ(Write("[qbv1]\nhandle=Jo\n", true, "qbv1", "HANDLE", "JO"), "[qbv1]\r\nhandle=JO\r\n")
      << "values compare with case";
  EXPECT_EQ(Write("[qbv1]\nk\n", true, "qbv1", "k", ""), "[qbv1]\r\nk=\r\n")
      << "a line without '=' has no value, which differs from an empty one";
}

TEST(ProfileFormatWrite, LeadingSpacesOfNewTextAreDroppedTrailingOnesKept) {
  EXPECT_EQ(Write("", false, " qbv1 ", " HANDLE ", " Jo "), "[qbv1 ]\r\nHANDLE =Jo \r\n");
  EXPECT_EQ(Write("", false, "\v\nq\f", "\r\fk\v", "\n\r\v\fv\v"), "[q\f]\r\nk\v=v\v\r\n");
  EXPECT_EQ(Write(kControls, true, "qbv1", "j", "\x1c"), "[qbv1]\r\nk=\x1c A \xa0\r\nj=\x1c\r\n")
      << "other controls stay";
  EXPECT_EQ(Write("  [ qbv1 ]  \r\n\t handle \t= Jo\r\n", true, "\tqbv1 ", " handle", "Al"), "[qbv1]\r\nhandle=Al\r\n")
      << "names are looked up without their spaces";
}

TEST(ProfileFormatWrite, OnlyTheFirstSectionAndKeyOfANameAreUsed) {
  EXPECT_EQ(Write("[qbv1]\r\na=1\r\n[s]\r\n[QBV1]\r\nhandle=B\r\n", true, "qbv1", "HANDLE", "C"),
            "[qbv1]\r\na=1\r\nHANDLE=C\r\n[s]\r\n[QBV1]\r\nhandle=B\r\n");
  EXPECT_EQ(Write("[qbv1]\r\nhandle=A\r\nhandle=B\r\n", true, "qbv1", "HANDLE", "C"),
            "[qbv1]\r\nhandle=C\r\nhandle=B\r\n");
  EXPECT_EQ(Write("[qbv1]\r\nhandle\r\nhandle=B\r\n", true, "qbv1", "HANDLE", "C"),
            "[qbv1]\r\nhandle=C\r\nhandle=B\r\n");
  EXPECT_EQ(Write("[a]\r\nk=1\r\n[b]\r\nk=2\r\n", true, "b", "k", "3"), "[a]\r\nk=1\r\n[b]\r\nk=3\r\n");
}

TEST(ProfileFormatWrite, LinesBeforeTheFirstHeaderFormASectionWithoutAName) {
  EXPECT_EQ(Write("top=1\r\n; note\r\n[qbv1]\r\nk=2\r\n", true, "", "new", "v"),
            "top=1\r\n; note\r\nnew=v\r\n[qbv1]\r\nk=2\r\n");
  EXPECT_EQ(Write("[qbv1]\r\nk=1\r\n", true, "  ", "top", "v"), "top=v\r\n[qbv1]\r\nk=1\r\n");
  EXPECT_EQ(Write(kOddHeaders, true, "c", "z", "9"),
            "top=1\r\n[qbv1\r\nx=1\r\n[a]b]\r\ny=2\r\n[c]\r\nz=9\r\nw=4\r\n[a=b]\r\nv=5\r\n")
      << "an empty header is not written back";
}

TEST(ProfileFormatWrite, AValueIsWrittenAsItIsEvenWithALineBreak) {
  const std::string file = Write("", false, "qbv1", "HANDLE", "a\nb");
  EXPECT_EQ(file, "[qbv1]\r\nHANDLE=a\nb\r\n");
  EXPECT_EQ(Write(file, true, "qbv1", "b", "2"), "[qbv1]\r\nHANDLE=a\r\nb=2\r\n") << "b was a line of its own";
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  EXPECT_EQ(Write("", false, "qbv1", "HANDLE", high), "[qbv1]\r\nHANDLE=" + high + "\r\n");
}

TEST(ProfileFormatWrite, ANulByteEndsANameOrValueAndTheRestOfTheLineIsLost) {
  EXPECT_EQ(Write(kNuls, true, "qbv1", "a", "5"), "[qbv1]\r\na=5\r\nk=3\r\nm=1 \r\n\r\nb=1\r\n[q]\r\nc=1\r\n");
}

// --- Reading ---------------------------------------------------------------

TEST(ProfileFormatRead, NamesMatchInAnyAsciiCase) {
  const std::string file = "[qbv1]\r\nHANDLE=Jo\r\n";
  for (const char* key : {"handle", "HANDLE", "HaNdLe"}) EXPECT_EQ(Read(file, "qbv1", key), "Jo") << key;
  EXPECT_EQ(Read(file, "QbV1", "hAnDlE"), "Jo");
  const std::string accented = "[\xc9t\xe9]\r\n\xc9=1\r\n\x8a=2\r\n";
  EXPECT_EQ(Read(accented, "\xc9T\xe9", "\xc9"), "1");
  EXPECT_EQ(Read(accented, "\xc9t\xe9", "\xe9"), std::nullopt) << "\xc9 and \xe9 do not fold";
  EXPECT_EQ(Read(accented, "\xe9t\xc9", "\xc9"), std::nullopt);
  EXPECT_EQ(Read(accented, "\xc9T\xe9", "\x9a"), std::nullopt);
}

TEST(ProfileFormatRead, MissingSectionOrKey) {
  EXPECT_EQ(Read("", "qbv1", "handle"), std::nullopt);
  EXPECT_EQ(Read("[other]\r\nk=v\r\n", "qbv1", "handle"), std::nullopt);
  EXPECT_EQ(Read("[other]\r\nk=v\r\n", "qbv1", "k"), std::nullopt);
  EXPECT_EQ(Read("[qbv1]\r\nHANDLE=Jo\r\n", "qbv1", "nick"), std::nullopt);
  EXPECT_EQ(Read("[qbv1]\r\nk=\r\nm=   \r\n", "qbv1", "k"), "") << "empty, not missing";
  EXPECT_EQ(Read("[qbv1]\r\nk=\r\nm=   \r\n", "qbv1", "m"), "");
}

TEST(ProfileFormatRead, ALineWithoutEqualsIsAKeyWithoutAValue) {
  const std::string file = "[qbv1]\r\n; note\r\n;handle=x\r\n#k=y\r\n";
  EXPECT_EQ(Read(file, "qbv1", "; note"), std::nullopt);
  EXPECT_EQ(Read(kHandWritten, "qbv1", "noequals"), std::nullopt);
  EXPECT_EQ(Read(kHandWritten, "", "; made by hand"), std::nullopt);
  EXPECT_EQ(Read(file, "qbv1", ";handle"), "x") << "';' starts no comment";
  EXPECT_EQ(Read(file, "qbv1", "#k"), "y");
  EXPECT_EQ(Read("[qbv1]\r\nhandle\r\nhandle=B\r\n", "qbv1", "handle"), std::nullopt)
      << "the first line of the name counts, value or not";
}

TEST(ProfileFormatRead, AnyLineEnd) {
  for (const std::string file : {"[qbv1]\r\nhandle=Jo\r\nk=1\r\n", "[qbv1]\nhandle=Jo\nk=1\n",
                                 "[qbv1]\rhandle=Jo\rk=1\r", "[qbv1]\r\nhandle=Jo\r\r\n\n\rk=1"}) {
    EXPECT_EQ(Read(file, "qbv1", "handle"), "Jo") << file;
    EXPECT_EQ(Read(file, "qbv1", "k"), "1") << file;
  }
}

TEST(ProfileFormatRead, SpacesTabsVtAndFfAroundNamesAndValuesGo) {
  EXPECT_EQ(Read(kHandWritten, "qbv1", "handle"), "Jo Jo");
  EXPECT_EQ(Read(kHandWritten, "other", "x"), "1");
  EXPECT_EQ(Read("  [ qbv1 ]  \r\n\t handle \t= Jo\r\n", " qbv1\t", "\thandle "), "Jo");
  EXPECT_EQ(Read(kControls, "qbv1", "j"), "B");
  EXPECT_EQ(Read(kControls, "qbv1", "k"), "\x1c A \xa0") << "but not other controls or NBSP";
  EXPECT_EQ(Read("[qbv1]\r\nk=a=b\r\n=7\r\n", "qbv1", "k"), "a=b");
  EXPECT_EQ(Read("[qbv1]\r\nk=a=b\r\n=7\r\n", "qbv1", ""), "7");
}

TEST(ProfileFormatRead, MatchingOuterQuotesGo) {
  const std::string file =
      "[q]\r\na=\"Jo\"\r\nb='Jo'\r\nc=\" Jo \"\r\nd= \"Jo\" \r\ne=\"J\"o\"\r\nf=\"\"\r\ng=\"Jo\r\nh=Jo\"\r\n"
      "i=\"Jo'\r\nj=\"\r\n";
  EXPECT_EQ(Read(file, "q", "a"), "Jo");
  EXPECT_EQ(Read(file, "q", "b"), "Jo");
  EXPECT_EQ(Read(file, "q", "c"), " Jo ");
  EXPECT_EQ(Read(file, "q", "d"), "Jo") << "outside spaces go first";
  EXPECT_EQ(Read(file, "q", "e"), "J\"o");
  EXPECT_EQ(Read(file, "q", "f"), "");
  EXPECT_EQ(Read(file, "q", "g"), "\"Jo");
  EXPECT_EQ(Read(file, "q", "h"), "Jo\"");
  EXPECT_EQ(Read(file, "q", "i"), "\"Jo'");
  EXPECT_EQ(Read(file, "q", "j"), "\"") << "one quote is no pair";
}

TEST(ProfileFormatRead, OnlyTheFirstSectionOfANameIsSearched) {
  const std::string file = "[qbv1]\r\na=1\r\n[s]\r\nx=1\r\n[QBV1]\r\nhandle=B\r\n";
  EXPECT_EQ(Read(file, "qbv1", "handle"), std::nullopt);
  EXPECT_EQ(Read(file, "qbv1", "a"), "1");
  EXPECT_EQ(Read("[a]\r\nk=1\r\n[b]\r\nk=2\r\n", "b", "k"), "2");
  EXPECT_EQ(Read("[qbv1]\r\nhandle=A\r\nhandle=B\r\n", "qbv1", "handle"), "A");
}

TEST(ProfileFormatRead, HeaderLines) {
  const std::string& file = kOddHeaders;
  EXPECT_EQ(Read(file, "", "top"), "1");
  EXPECT_EQ(Read(file, "", "x"), "1") << "no ']': a key line of the section before";
  EXPECT_EQ(Read(file, "qbv1", "x"), std::nullopt);
  EXPECT_EQ(Read(file, "a]b", "y"), "2") << "the name runs to the last ']'";
  EXPECT_EQ(Read(file, "c", "z"), "3");
  EXPECT_EQ(Read(file, "", "w"), std::nullopt) << "'[]' is a second nameless section";
  EXPECT_EQ(Read(file, "a=b", "v"), "5");
}

TEST(ProfileFormatRead, ANulByteEndsANameOrValue) {
  EXPECT_EQ(Read(kNuls, "qbv1", "a"), "1");
  EXPECT_EQ(Read(kNuls, "qbv1", "x"), std::nullopt);
  EXPECT_EQ(Read(kNuls, "qbv1", "k"), "3");
  EXPECT_EQ(Read(kNuls, "qbv1", "z"), std::nullopt);
  EXPECT_EQ(Read(kNuls, "qbv1", "m"), "1 ") << "the space before the NUL is not at the end of the line";
  EXPECT_EQ(Read(kNuls, "qbv1", "b"), "1") << "a line starting with NUL is no header";
  EXPECT_EQ(Read(kNuls, "s", "b"), std::nullopt);
  EXPECT_EQ(Read(kNuls, "q", "c"), "1");
}

// --- The caller's buffer -----------------------------------------------------

TEST(ProfileFormatBuffer, AValueIsCutToOneLessThanTheBuffer) {
  std::string value;
  for (int i = 0; i < 800; ++i) value += static_cast<char>('a' + i % 26);
  const std::string file = "[qbv1]\r\nHANDLE=" + value + "\r\n";
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "handle", 750), value.substr(0, 749));
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "handle", 800), value.substr(0, 799));
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "handle", 801), value);
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "handle", 2), "a");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "handle", 1), "");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "nick", 750), "") << "missing reads as the empty default";
}

TEST(ProfileFormatBuffer, AQuotedValueThatOnlyJustFitsLosesItsLastCharacter) {
  const std::string file = "[qbv1]\r\nq=\"abcdef\"\r\np=abcdef\r\nh=\"\"\r\n";
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "q", 9), "abcdef");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "q", 8), "abcdef");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "q", 7), "abcde");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "q", 6), "abcde");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "q", 2), "a");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "q", 1), "");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "p", 7), "abcdef") << "unquoted, the same buffer holds it all";
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "h", 1), "");
  EXPECT_EQ(ReadIntoBuffer(file, "qbv1", "h", 2), "");
}

}  // namespace
}  // namespace quimbly::platform::sim::profile_format
