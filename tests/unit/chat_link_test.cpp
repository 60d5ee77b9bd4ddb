// Finding the chat room and sending one line, checked call by call against the
// simulated window system.
#include <gtest/gtest.h>

#include <vector>

#include "chatlink/chat_room.h"
#include "chatlink/chat_send.h"
#include "platform/sim/host_client.h"

namespace quimbly {
namespace {

using platform::WindowHandle;
using platform::sim::AddHostClient;
using platform::sim::Call;
using platform::sim::CharCall;
using platform::sim::Document;
using platform::sim::FindWindowCall;
using platform::sim::FindWindowExCall;
using platform::sim::SetTextCall;
using platform::sim::SimWindowSystem;

std::vector<Call> Probe(WindowHandle child) {
  return {FindWindowExCall(child, 0, "RICHCNTL"), FindWindowExCall(child, 0, "_AOL_Listbox"),
          FindWindowExCall(child, 0, "_AOL_Icon"), FindWindowExCall(child, 0, "_AOL_Static")};
}

void Append(std::vector<Call>& calls, const std::vector<Call>& more) {
  calls.insert(calls.end(), more.begin(), more.end());
}

class ChatLinkTest : public ::testing::Test {
 protected:
  SimWindowSystem windows;
};

TEST_F(ChatLinkTest, NoHostClientWalksOnWithZeroParentsAndFindsNothing) {
  EXPECT_EQ(chatlink::FindChatRoom(windows), 0u);

  std::vector<Call> expected = {FindWindowCall("AOL Frame25"), FindWindowExCall(0, 0, "MDIClient"),
                                FindWindowExCall(0, 0, "AOL Child")};
  Append(expected, Probe(0));
  expected.push_back(FindWindowExCall(0, 0, "AOL Child"));
  Append(expected, Probe(0));
  EXPECT_EQ(windows.Calls(), expected) << windows.DescribeCalls();
}

TEST_F(ChatLinkTest, RoomThatIsTheFirstDocumentIsTakenWithoutEnteringTheLoop) {
  const auto host = AddHostClient(windows, {Document::Room, Document::Room});
  EXPECT_EQ(chatlink::FindChatRoom(windows), host.documents[0]);

  std::vector<Call> expected = {FindWindowCall("AOL Frame25"),
                                FindWindowExCall(host.frame, 0, "MDIClient"),
                                FindWindowExCall(host.mdi, 0, "AOL Child")};
  Append(expected, Probe(host.documents[0]));
  EXPECT_EQ(windows.Calls(), expected) << windows.DescribeCalls();
}

// A document that lacks any one of the four children is no room, whichever it is.
TEST_F(ChatLinkTest, DocumentMissingAnyOneChildIsPassedOver) {
  const std::vector<const char*> children = {"RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"};
  for (const char* missing : children) {
    SimWindowSystem ws;
    const WindowHandle frame = ws.CreateWindow("AOL Frame25");
    const WindowHandle mdi = ws.CreateWindow("MDIClient", frame);
    const WindowHandle partial = ws.CreateWindow("AOL Child", mdi);
    const WindowHandle room = ws.CreateWindow("AOL Child", mdi);
    for (const char* child : children) {
      if (child != missing) ws.CreateWindow(child, partial);
      ws.CreateWindow(child, room);
    }
    EXPECT_EQ(chatlink::FindChatRoom(ws), room) << "without " << missing;
  }
}

TEST_F(ChatLinkTest, NonChatDocumentIsProbedInFullThenPassedOver) {
  const auto host = AddHostClient(windows, {Document::NonChat, Document::Room});
  EXPECT_EQ(chatlink::FindChatRoom(windows), host.documents[1]);

  std::vector<Call> expected = {FindWindowCall("AOL Frame25"),
                                FindWindowExCall(host.frame, 0, "MDIClient"),
                                FindWindowExCall(host.mdi, 0, "AOL Child")};
  Append(expected, Probe(host.documents[0]));  // all four, though the list is missing
  expected.push_back(FindWindowExCall(host.mdi, host.documents[0], "AOL Child"));
  Append(expected, Probe(host.documents[1]));
  EXPECT_EQ(windows.Calls(), expected) << windows.DescribeCalls();
}

TEST_F(ChatLinkTest, OnlyNonChatDocumentsEndInZeroAfterProbingTheEnd) {
  const auto host = AddHostClient(windows, {Document::NonChat});
  EXPECT_EQ(chatlink::FindChatRoom(windows), 0u);
  const auto& calls = windows.Calls();
  ASSERT_EQ(calls.size(), 3u + 4 + 1 + 4);
  EXPECT_EQ(calls[7], FindWindowExCall(host.mdi, host.documents[0], "AOL Child"));
  EXPECT_EQ(std::vector<Call>(calls.end() - 4, calls.end()), Probe(0));
}

TEST_F(ChatLinkTest, RoomMissingItsInputBoxStillCountsAsARoom) {
  const auto host = AddHostClient(windows, {Document::NonChat, Document::RoomWithoutInput});
  EXPECT_EQ(chatlink::FindChatRoom(windows), host.documents[1]);
}

TEST_F(ChatLinkTest, FirstOfTwoRoomsInChildOrderWins) {
  const auto host = AddHostClient(windows, {Document::NonChat, Document::Room, Document::Room});
  EXPECT_EQ(chatlink::FindChatRoom(windows), host.documents[1]);
}

TEST_F(ChatLinkTest, FrameWithoutDocumentsOrClientAreaFindsNothing) {
  const auto host = AddHostClient(windows, {});
  EXPECT_EQ(chatlink::FindChatRoom(windows), 0u);

  SimWindowSystem frameOnly;
  frameOnly.CreateWindow("AOL Frame25");
  EXPECT_EQ(chatlink::FindChatRoom(frameOnly), 0u);
  EXPECT_EQ(frameOnly.Calls()[2], FindWindowExCall(0, 0, "AOL Child"));
}

TEST_F(ChatLinkTest, RoomIsLookedUpAfreshForEverySend) {
  auto host = AddHostClient(windows, {Document::Room, Document::Room});
  chatlink::ChatSend(windows, "one");
  windows.DestroyWindow(host.documents[0]);
  chatlink::ChatSend(windows, "two");
  EXPECT_EQ(windows.PostedLines(host.documents[1]), std::vector<std::string>{"two"});
}

TEST_F(ChatLinkTest, SendSetsTheSecondRichTextBoxThenDeliversEnter) {
  const auto host = AddHostClient(windows, {Document::Room});
  const WindowHandle room = host.documents[0];
  const WindowHandle view = room + 1;  // created first inside the room
  ASSERT_EQ(windows.FindWindowExA(room, 0, "RICHCNTL"), view);
  windows.ClearCalls();

  chatlink::ChatSend(windows, "<b>·÷ hi</b>");

  const auto& calls = windows.Calls();
  ASSERT_EQ(calls.size(), 7u + 4);
  EXPECT_EQ(calls[7], FindWindowExCall(room, 0, "RICHCNTL"));
  EXPECT_EQ(calls[8], FindWindowExCall(room, view, "RICHCNTL"));
  EXPECT_EQ(calls[9], SetTextCall(host.inputs[0], "<b>\xB7\xF7 hi</b>"));
  EXPECT_EQ(calls[10], CharCall(host.inputs[0], 13));
  EXPECT_EQ(windows.PostedLines(room), std::vector<std::string>{"<b>\xB7\xF7 hi</b>"});
  EXPECT_EQ(windows.Text(host.inputs[0]), "") << "the host empties the box after posting";
}

TEST_F(ChatLinkTest, WithoutAHostBothMessagesGoToWindowZero) {
  chatlink::ChatSend(windows, "lost");
  const auto& calls = windows.Calls();
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[calls.size() - 4], FindWindowExCall(0, 0, "RICHCNTL"));
  EXPECT_EQ(calls[calls.size() - 3], FindWindowExCall(0, 0, "RICHCNTL"));
  EXPECT_EQ(calls[calls.size() - 2], SetTextCall(0, "lost"));
  EXPECT_EQ(calls[calls.size() - 1], CharCall(0, 13));
}

TEST_F(ChatLinkTest, RoomWithoutItsInputBoxLosesTheLine) {
  const auto host = AddHostClient(windows, {Document::RoomWithoutInput});
  chatlink::ChatSend(windows, "lost");
  EXPECT_EQ(windows.Calls().back(), CharCall(0, 13));
  EXPECT_TRUE(windows.PostedLines(host.documents[0]).empty());
  EXPECT_EQ(windows.Text(host.inputs[0]), "") << "the view must not be typed into";
}

TEST_F(ChatLinkTest, EmptyTextStillPostsAnEmptyLineAndTwoSendsKeepTheirOrder) {
  const auto host = AddHostClient(windows, {Document::Room});
  chatlink::ChatSend(windows, "first");
  chatlink::ChatSend(windows, "");
  chatlink::ChatSend(windows, "third");
  EXPECT_EQ(windows.PostedLines(host.documents[0]), (std::vector<std::string>{"first", "", "third"}));
}

TEST_F(ChatLinkTest, HungInputBoxLosesTheLineButTheSendReturns) {
  const auto host = AddHostClient(windows, {Document::Room});
  windows.SetHung(host.inputs[0], true);
  chatlink::ChatSend(windows, "lost");
  EXPECT_EQ(windows.Calls().back(), CharCall(host.inputs[0], 13));
  EXPECT_TRUE(windows.PostedLines(host.documents[0]).empty());
  windows.SetHung(host.inputs[0], false);
  chatlink::ChatSend(windows, "back");
  EXPECT_EQ(windows.PostedLines(host.documents[0]), std::vector<std::string>{"back"});
}

}  // namespace
}  // namespace quimbly
