#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace quimbly::platform {
namespace {

TEST(CodePage, AnnouncementCharactersBecomeTheirSingleBytes) {
  EXPECT_EQ(Utf8ToWindows1252("·÷^··¹º"), "\xB7\xF7^\xB7\xB7\xB9\xBA");
  EXPECT_EQ(Utf8ToWindows1252("€ „Ÿ"), "\x80 \x84\x9F");
  EXPECT_EQ(Utf8ToWindows1252("plain <b>text</b>"), "plain <b>text</b>");
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWindows1252("a\u0100b"), "a?b");
  EXPECT_EQ(Utf8ToWindows1252("\U0001F600"), "?") << "one mark per character, not per byte";
  EXPECT_EQ(Utf8ToWindows1252("x\xC3"), "x?") << "a cut-off sequence";
  EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "?") << "an overlong form is not a slash";
}

TEST(CodePage, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
  EXPECT_EQ(Windows1252ToUtf8("\xB7\x80"), "·€");
}

}  // namespace
}  // namespace quimbly::platform
