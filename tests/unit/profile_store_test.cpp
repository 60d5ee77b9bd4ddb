// The handle record kept in the profile. The simulated profile format itself is
// held to the real profile functions by tools/profile-probe under Wine.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/sim/profile_files.h"
#include "profile/profile_store.h"

namespace quimbly {
namespace {

const std::string kOnce = "[qbv1]\r\nHANDLE=Jo\r\n";

using namespace profile;
using platform::FileFunctions;
using platform::sim::SimFile;
using platform::sim::SimProfileFiles;
using platform::sim::SimWindows;
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

// The place is chosen once through the function family of the machine's
// Windows, and every later call goes the same way: the wide functions on the
// NT family, which keep a folder name the code page lacks; the ANSI ones on
// Windows 98, whose wide ones are stubs. The file's bytes are the code page's
// either way.
TEST(ProfileOnTheMachine, PlaceAndFunctionsFollowTheWindowsFamily) {
  const std::string greek = "C:\\Users\\Σοφία\\AppData\\Roaming";
  const std::string polish = "C:\\WINNT\\Profiles\\Michał";
  const struct {
    const char* machine;
    SimWindows windows;
    bool systemFolder;
    std::map<std::string, std::string> environment;
    std::vector<std::string> folders;
    std::string path;
    FileFunctions family;
  } cases[] = {
      {"98", SimWindows::k98, true, {}, {}, kPath, FileFunctions::kAnsi},
      {"98 without the system folder, APPDATA in the code page", SimWindows::k98, false,
       {{"APPDATA", "C:\\WINDOWS\\Profiles\\Chloé\\Application Data"}}, {"C:\\WINDOWS\\Profiles\\Chloé\\Application Data"},
       "C:\\WINDOWS\\Profiles\\Chloé\\Application Data\\qbv1.ini", FileFunctions::kAnsi},
      {"XP, an administrator", SimWindows::kNt, true, {{"APPDATA", greek}}, {greek}, kPath, FileFunctions::kWide},
      {"current Windows, a Greek user on a Western system", SimWindows::kNt, false, {{"APPDATA", greek}}, {greek},
       greek + "\\qbv1.ini", FileFunctions::kWide},
      {"NT 4.0, a Polish user on a Western system", SimWindows::kNt, false, {{"USERPROFILE", polish}},
       {polish + "\\Application Data"}, polish + "\\Application Data\\qbv1.ini", FileFunctions::kWide},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.machine);
    SimProfileFiles files(c.windows);
    if (!c.systemFolder) files.RemoveFolder("c:\\windows\\system");
    for (const auto& [name, value] : c.environment) files.SetEnvironment(name, value);
    for (const std::string& folder : c.folders) files.AddFolder(folder);
    const std::string path = files.ProfilePath();
    EXPECT_EQ(path, c.path);
    EXPECT_FALSE(FileExists(files, path));
    WriteProfileString(files, kSection, kHandleKey, "Zoë", path);
    ASSERT_TRUE(files.Get(c.path).has_value()) << "no file where it should be";
    EXPECT_EQ(files.Get(c.path)->bytes, "[qbv1]\r\nHANDLE=Zo\xEB\r\n");
    EXPECT_TRUE(FileExists(files, path));
    EXPECT_EQ(ReadProfileString(files, kSection, kHandleKey, path), "Zoë");
    DeleteProfile(files, path);
    EXPECT_FALSE(files.Get(c.path).has_value());
    const FileFunctions other = c.family == FileFunctions::kWide ? FileFunctions::kAnsi : FileFunctions::kWide;
    EXPECT_EQ(files.Calls(other), 0);
    EXPECT_GT(files.Calls(c.family), 0);
  }
}

}  // namespace
}  // namespace quimbly
