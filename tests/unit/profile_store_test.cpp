// The handle record in the profile file, on the in-memory files.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/profile_files.h"
#include "profile/profile_store.h"

namespace quimbly::profile {
namespace {

using platform::sim::SimFile;
using platform::sim::SimProfileFiles;

constexpr const char* kPath = "c:\\windows\\system\\qbv1.ini";

class ProfileStoreTest : public ::testing::Test {
 protected:
  std::string Read(std::string_view key = "handle") { return ReadProfileString(files, kSection, key, kPath); }
  void Write(std::string_view value) { WriteProfileString(files, kSection, kHandleKey, value, kPath); }
  std::string Bytes() { return files.Get(kPath) ? files.Get(kPath)->bytes : "(none)"; }

  SimProfileFiles files;
};

TEST_F(ProfileStoreTest, EmptyPathIsNoFileAndTouchesNothing) {
  EXPECT_FALSE(FileExists(files, ""));
  EXPECT_EQ(files.DiskAccesses(), 0);
}

TEST_F(ProfileStoreTest, FirstWriteCreatesFileSectionAndUpperCaseKey) {
  EXPECT_FALSE(FileExists(files, kPath));
  Write("Jo");
  EXPECT_TRUE(FileExists(files, kPath));
  EXPECT_EQ(Bytes(), "[qbv1]\r\nHANDLE=Jo\r\n");
}

TEST_F(ProfileStoreTest, SecondWriteReplacesTheValueInPlace) {
  Write("Jo");
  Write("Al");
  EXPECT_EQ(Bytes(), "[qbv1]\r\nHANDLE=Al\r\n");
  EXPECT_EQ(Read(), "Al");
}

TEST_F(ProfileStoreTest, KeyAndSectionMatchWhateverTheirCase) {
  files.Put(kPath, {.bytes = "[QBV1]\r\nHandle=Jo\r\n"});
  EXPECT_EQ(Read("handle"), "Jo");
  EXPECT_EQ(Read("HANDLE"), "Jo");
  EXPECT_EQ(Read("hAnDlE"), "Jo");
  Write("Al");
  EXPECT_EQ(Read(), "Al");
  EXPECT_EQ(Bytes().find("Jo"), std::string::npos) << "replaced, not added: " << Bytes();
}

TEST_F(ProfileStoreTest, MissingFileSectionOrKeyReadsEmpty) {
  EXPECT_EQ(Read(), "");
  files.Put(kPath, {.bytes = "[other]\r\nhandle=Jo\r\n"});
  EXPECT_EQ(Read(), "");
  files.Put(kPath, {.bytes = "[qbv1]\r\nname=Jo\r\n"});
  EXPECT_EQ(Read(), "");
}

TEST_F(ProfileStoreTest, LongValuesReadBackCutTo749Characters) {
  const std::string value(800, 'x');
  Write(value);
  EXPECT_EQ(Read(), value.substr(0, 749));
  Write(std::string(749, 'y'));
  EXPECT_EQ(Read().size(), 749u);
}

TEST_F(ProfileStoreTest, HiddenOrSystemFileCountsAsNone) {
  files.Put(kPath, {.bytes = "[qbv1]\r\nHANDLE=Jo\r\n", .hidden = true});
  EXPECT_FALSE(FileExists(files, kPath));
  files.Put(kPath, {.bytes = "[qbv1]\r\nHANDLE=Jo\r\n", .system = true});
  EXPECT_FALSE(FileExists(files, kPath));
}

TEST_F(ProfileStoreTest, FailedWritesLeaveTheOldValueSilently) {
  files.Put(kPath, {.bytes = "[qbv1]\r\nHANDLE=Jo\r\n", .readOnly = true});
  Write("Al");
  EXPECT_EQ(Read(), "Jo");
  const std::string elsewhere = "c:\\no\\such\\folder\\qbv1.ini";
  WriteProfileString(files, kSection, kHandleKey, "Al", elsewhere);
  EXPECT_EQ(ReadProfileString(files, kSection, kHandleKey, elsewhere), "");
}

TEST_F(ProfileStoreTest, DeleteRemovesTheFileUnlessItIsHeld) {
  Write("Jo");
  DeleteProfile(files, kPath);
  EXPECT_FALSE(FileExists(files, kPath));
  files.Put(kPath, {.bytes = "[qbv1]\r\nHANDLE=Jo\r\n", .heldOpen = true});
  DeleteProfile(files, kPath);
  EXPECT_TRUE(FileExists(files, kPath));
}

TEST_F(ProfileStoreTest, HandlesOutsideAsciiGoToTheFileAsWindows1252) {
  Write("Zoë·");
  EXPECT_EQ(Bytes(), "[qbv1]\r\nHANDLE=Zo\xEB\xB7\r\n");
  EXPECT_EQ(Read(), "Zoë·");
}

}  // namespace
}  // namespace quimbly::profile
