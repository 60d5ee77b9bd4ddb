// The handle record kept in the profile. The simulated profile format itself is
// held to the real profile functions by tools/profile-probe under Wine.
#include <gtest/gtest.h>

#include <string>

#include "platform/sim/profile_files.h"
#include "profile/profile_store.h"

namespace quimbly {
namespace {

const std::string kOnce = "[qbv1]\r\nHANDLE=Jo\r\n";

using namespace profile;
using platform::sim::SimFile;
constexpr const char* kPath = "c:\\windows\\system\\qbv1.ini";

class ProfileStoreTest : public ::testing::Test {
 protected:
  std::string Read(std::string_view key = "handle") { return ReadProfileString(files, kSection, key, kPath); }
  void Write(std::string_view value) { WriteProfileString(files, kSection, kHandleKey, value, kPath); }
  std::string Bytes() { return files.Get(kPath) ? files.Get(kPath)->bytes : "(none)"; }
  bool Exists() { return FileExists(files, kPath); }

  platform::sim::SimProfileFiles files;
};

TEST_F(ProfileStoreTest, WritesMakeTheSectionAndAnUpperCaseKeyThenReplaceTheValue) {
  EXPECT_EQ(Read(), "") << "no file";
  Write("Jo");
  EXPECT_EQ(Bytes(), kOnce);
  Write("Zoë·");
  EXPECT_EQ(Bytes(), "[qbv1]\r\nHANDLE=Zo\xEB\xB7\r\n") << "Windows-1252 in the file";
  EXPECT_EQ(Read(), "Zoë·");
  Write(std::string(800, 'x'));
  EXPECT_EQ(Read(), std::string(749, 'x')) << "cut to 749";
  Write(std::string(749, 'y'));
  EXPECT_EQ(Read(), std::string(749, 'y'));
  files.Put(kPath, {.bytes = "[QBV1]\r\nHandle=Jo\r\n"});
  for (const char* key : {"handle", "HANDLE", "hAnDlE"}) EXPECT_EQ(Read(key), "Jo") << key;
  Write("Al");
  EXPECT_EQ(Bytes(), "[QBV1]\r\nHandle=Al\r\n") << "replaced under the file's spelling, not added";
  EXPECT_EQ(Read(), "Al");
}

// Only a normal file at a non-empty path exists; read-only keeps its value and
// held open stays; a missing section or key reads empty.
TEST_F(ProfileStoreTest, FileRules) {
  EXPECT_FALSE(FileExists(files, ""));
  EXPECT_EQ(files.DiskAccesses(), 0);
  const struct { SimFile file; bool exists; const char* afterWrite; bool afterDelete; } cases[] = {
      {{.bytes = kOnce}, true, "Al", false},
      {{.bytes = kOnce, .hidden = true}, false, "Al", false},
      {{.bytes = kOnce, .system = true}, false, "Al", false},
      {{.bytes = kOnce, .readOnly = true}, true, "Jo", true},
      {{.bytes = kOnce, .heldOpen = true}, true, "", true},
      {{.bytes = "[other]\r\nhandle=Jo\r\n"}, true, "", false},
      {{.bytes = "[qbv1]\r\nname=Jo\r\n"}, true, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.file.bytes << " hidden " << c.file.hidden << " system " << c.file.system
                                      << " read-only " << c.file.readOnly << " held open " << c.file.heldOpen);
    files.Put(kPath, c.file);
    EXPECT_EQ(Exists(), c.exists);
    if (c.file.bytes == kOnce) Write("Al");
    EXPECT_EQ(Read(), c.afterWrite);
    DeleteProfile(files, kPath);
    EXPECT_EQ(files.Get(kPath).has_value(), c.afterDelete);
  }
  const std::string elsewhere = "c:\\no\\such\\folder\\qbv1.ini";
  WriteProfileString(files, kSection, kHandleKey, "Al", elsewhere);
  EXPECT_EQ(ReadProfileString(files, kSection, kHandleKey, elsewhere), "");
}

}  // namespace
}  // namespace quimbly
