// The catalogue, byte for byte as the chat room receives it.
#include <gtest/gtest.h>

#include "mainwindow/announcements.h"
#include "platform/codepage.h"

namespace quimbly::mainwindow {
namespace {

using platform::Utf8ToWindows1252;

constexpr const char* kTag = "<font face=Arial Narrow><FONT COLOR=#0080FF>";

std::string Bytes(const std::string& blanks, const std::string& rest) {
  return kTag + blanks + "<b>\xB7\xF7^\xB7\xB7 " + rest;
}

TEST(Announcements, FixedLinesAreExactBytes) {
  EXPECT_EQ(Utf8ToWindows1252(ByLine()), Bytes("     ", "Quimbly\xB9\xB7\xBA by: zyk</b>"));
  EXPECT_EQ(Utf8ToWindows1252(StartedLine()), Bytes("     ", "Quimbly\xB9\xB7\xBA started</b>"));
  EXPECT_EQ(Utf8ToWindows1252(StoppedLine()), Bytes("      ", "Quimbly\xB9\xB7\xBA stopped</b>"));
  EXPECT_EQ(Utf8ToWindows1252(IdleLine()), Bytes("     ", "Quimbly\xB9\xB7\xBA by: zyk [ idle'n ]</b>"));
}

TEST(Announcements, LoadAndUnloadLinesCarryTheHandleAndACapitalI) {
  EXPECT_EQ(Utf8ToWindows1252(LoadedLine("Jo")), Bytes("       ", "Ioaded by: Jo</b>"));
  EXPECT_EQ(Utf8ToWindows1252(UnloadedLine("Jo")), Bytes("       ", "unIoaded by: Jo</b>"));
  EXPECT_EQ(Utf8ToWindows1252(UnloadedLine("")), Bytes("       ", "unIoaded by: </b>"));
}

TEST(Announcements, TimeLineInsertsCountAndReasonUnescaped) {
  EXPECT_EQ(Utf8ToWindows1252(TimeLine("1", "lunch")), Bytes("     ", "time: 1 min [ lunch ]</b>"));
  EXPECT_EQ(Utf8ToWindows1252(TimeLine("60", "")), Bytes("     ", "time: 60 min [  ]</b>"));
  EXPECT_EQ(Utf8ToWindows1252(TimeLine("2", "<i>back</i> & \"soon\"")),
            Bytes("     ", "time: 2 min [ <i>back</i> & \"soon\" ]</b>"));
}

}  // namespace
}  // namespace quimbly::mainwindow
