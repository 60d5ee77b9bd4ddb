// What the chat room receives: the announcement lines byte for byte, the
// minute count, and the calls that find the room and send a line.
#include <gtest/gtest.h>

#include "chatlink/chat_room.h"
#include "chatlink/chat_send.h"
#include "mainwindow/announcements.h"
#include "mainwindow/minute_counter.h"
#include "platform/sim/codepage.h"
#include "platform/sim/host_client.h"

namespace quimbly {
namespace {

using namespace chatlink;
using namespace mainwindow;
using namespace platform;
using namespace platform::sim;
using D = Document;
using Texts = std::vector<std::string>;

Texts operator+(Texts a, const Texts& b) {
  return a.insert(a.end(), b.begin(), b.end()), a;
}

// The colour tag, `blanks` spaces and the bold marker open every line.
std::string Line(int blanks, const std::string& rest) {
  return "<font face=Arial Narrow><FONT COLOR=#0080FF>" + std::string(blanks, ' ') + "<b>\xB7\xF7^\xB7\xB7 " + rest +
         "</b>";
}

TEST(Announcements, ExactBytesAsTheRoomReceivesThem) {
  const std::string product = "Quimbly\xB9\xB7\xBA";
  const std::pair<std::string, std::string> cases[] = {
      {ByLine(), Line(5, product + " by: zyk")}, {StartedLine(), Line(5, product + " started")},
      {StoppedLine(), Line(6, product + " stopped")}, {IdleLine(), Line(5, product + " by: zyk [ idle'n ]")},
      // A capital I where the l should be.
      {LoadedLine("Jo"), Line(7, "Ioaded by: Jo")}, {UnloadedLine("Jo"), Line(7, "unIoaded by: Jo")},
      {UnloadedLine(""), Line(7, "unIoaded by: ")}, {TimeLine("1", "lunch"), Line(5, "time: 1 min [ lunch ]")},
      {TimeLine("60", ""), Line(5, "time: 60 min [  ]")},  // the reason goes in unescaped:
      {TimeLine("2", "<i>back</i> & \"soon\""), Line(5, "time: 2 min [ <i>back</i> & \"soon\" ]")},
  };
  for (const auto& [line, bytes] : cases) EXPECT_EQ(Utf8ToWindows1252(line), bytes) << "for " << bytes;
}

TEST(MinuteCounter, CountsInShortestDecimalText) {
  const std::pair<const char*, const char*> cases[] = {
      {"0", "1"}, {"9", "10"}, {"59", "60"}, {"1439", "1440"}, {"99999999", "100000000"}};
  for (const auto& [now, next] : cases) EXPECT_EQ(NextMinuteCount(now), next) << "after " << now;
}

constexpr const char* kRoomChildren[] = {"RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"};

// The calls of a walk that probes each child in turn, all four look-ups each.
Texts Walk(WindowHandle frame, WindowHandle mdi, const std::vector<WindowHandle>& children) {
  Texts calls = {CallText("FindWindowA", "AOL Frame25"), CallText("FindWindowExA", frame, 0, "MDIClient")};
  WindowHandle after = 0;
  for (const WindowHandle child : children) {
    calls.push_back(CallText("FindWindowExA", mdi, std::exchange(after, child), "AOL Child"));
    for (const char* name : kRoomChildren) calls.push_back(CallText("FindWindowExA", child, 0, name));
  }
  return calls;
}

// Documents are named by index; -1 stands for window 0.
void ExpectWalk(std::initializer_list<Document> docs, int found, const std::vector<int>& probed) {
  SimWindowSystem ws;
  const HostClient host = AddHostClient(ws, docs);
  const auto doc = [&](int i) { return i < 0 ? WindowHandle{0} : host.documents[static_cast<std::size_t>(i)]; };
  std::vector<WindowHandle> children;
  for (const int i : probed) children.push_back(doc(i));
  EXPECT_EQ(FindChatRoom(ws), doc(found));
  EXPECT_EQ(ws.Calls(), Walk(host.frame, host.mdi, children));
}

TEST(ChatRoom, FirstCompleteDocumentInChildOrderWithEveryLookUpMade) {
  ExpectWalk({D::Room, D::Room}, 0, {0});  // taken without entering the loop
  ExpectWalk({D::NonChat, D::Room, D::Room}, 1, {0, 1});
  ExpectWalk({D::NonChat, D::RoomWithoutInput}, 1, {0, 1});  // the input box is no part of the test
  ExpectWalk({D::NonChat}, -1, {0, -1});                     // the end is probed too
  ExpectWalk({}, -1, {-1, -1});
  // A missing frame or client area is passed on as 0 and the walk goes on.
  SimWindowSystem frameOnly;
  const WindowHandle frame = frameOnly.CreateWindow("AOL Frame25");
  EXPECT_EQ(FindChatRoom(frameOnly), 0u);
  EXPECT_EQ(frameOnly.Calls(), Walk(frame, 0, {0, 0}));
  for (const char* missing : kRoomChildren) {
    SimWindowSystem ws;
    const WindowHandle doc = ws.CreateWindow("AOL Child", ws.CreateWindow("MDIClient", ws.CreateWindow("AOL Frame25")));
    for (const char* name : kRoomChildren) {
      if (name != missing) ws.CreateWindow(name, doc);
    }
    EXPECT_EQ(FindChatRoom(ws), 0u) << "a document without " << missing << " is no room";
  }
}

// A send's calls once it has the room: its second rich-text box gets the text.
Texts Typed(WindowHandle room, WindowHandle input, const std::string& bytes) {
  const WindowHandle view = room == 0 ? 0 : room + 1;
  return {CallText("FindWindowExA", room, 0, "RICHCNTL"), CallText("FindWindowExA", room, view, "RICHCNTL"),
          CallText("SendMessageA", input, kWmSetText, 0, bytes), CallText("SendMessageA", input, kWmChar, 13, 0)};
}

TEST(ChatSend, TypesIntoTheSecondRichTextBoxThenDeliversEnter) {
  SimWindowSystem ws;
  const HostClient host = AddHostClient(ws, {D::Room, D::Room});
  const WindowHandle room = host.documents[0];
  ChatSend(ws, "<b>·÷ hi</b>");
  EXPECT_EQ(ws.Calls(), Walk(host.frame, host.mdi, {room}) + Typed(room, host.inputs[0], "<b>\xB7\xF7 hi</b>"));
  EXPECT_EQ(ws.Text(host.inputs[0]), "") << "the host empties the box after posting";
  ChatSend(ws, "");
  ChatSend(ws, "third");
  EXPECT_EQ(ws.PostedLines(room), (Texts{"<b>\xB7\xF7 hi</b>", "", "third"}));
  ws.DestroyWindow(room);
  ChatSend(ws, "fourth");
  EXPECT_EQ(ws.PostedLines(host.documents[1]), Texts{"fourth"}) << "the room is looked up afresh for every send";
}

// Without a host or an input box the messages go to window 0; a hung box never
// answers. The line is lost, but the send returns.
TEST(ChatSend, LineWithNowhereToGoIsLost) {
  SimWindowSystem none;
  ChatSend(none, "lost");
  EXPECT_EQ(none.Calls(), Walk(0, 0, {0, 0}) + Typed(0, 0, "lost"));

  SimWindowSystem ws;
  const HostClient host = AddHostClient(ws, {D::RoomWithoutInput});
  ChatSend(ws, "lost");
  EXPECT_EQ(ws.Calls(), Walk(host.frame, host.mdi, {host.documents[0]}) + Typed(host.documents[0], 0, "lost"));
  EXPECT_TRUE(ws.PostedLines(host.documents[0]).empty());
  EXPECT_EQ(ws.Text(host.inputs[0]), "") << "the view must not be typed into";

  SimWindowSystem hung;
  const HostClient busy = AddHostClient(hung, {D::Room});
  hung.SetHung(busy.inputs[0], true);
  ChatSend(hung, "lost");
  EXPECT_EQ(hung.Calls().back(), CallText("SendMessageA", busy.inputs[0], kWmChar, 13, 0));
  EXPECT_TRUE(hung.PostedLines(busy.documents[0]).empty());
  hung.SetHung(busy.inputs[0], false);
  ChatSend(hung, "back");
  EXPECT_EQ(hung.PostedLines(busy.documents[0]), Texts{"back"});
}

}  // namespace
}  // namespace quimbly
