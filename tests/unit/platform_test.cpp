// The platform's portable rules as the real backend uses them: text on its
// way to Windows' own code-page conversion, and where the profile lives.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/rules/profile_place.h"
#include "platform/rules/utf8.h"

namespace quimbly::platform {
namespace {

// Every line and handle goes through UTF-16 to the code page and back:
// nothing may be lost or cut, and bad text becomes a mark, never a crash.
TEST(Utf16, TextOnItsWayToWindows) {
  const struct { const char* name; std::string utf8; std::u16string utf16; } cases[] = {
      {"ascii", "Jo <b>", u"Jo <b>"},
      {"the lines' marks", "·÷^·· Quimbly¹·º", u"·÷^·· Quimbly¹·º"},
      {"Central European and Cyrillic", "Šč ř Жж", u"Šč ř Жж"},
      {"three bytes", "€ ‚", u"\u20AC \u201A"},
      {"beyond the BMP: a surrogate pair", "a\xF0\x9F\x98\x80z", u"a\xD83D\xDE00z"},
      {"a NUL inside", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {"empty", "", u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  }
}

TEST(Utf16, BadTextBecomesAReplacementMark) {
  const struct { const char* name; std::string utf8; std::u16string utf16; } fromUtf8[] = {
      {"a stray continuation byte", "a\x80z", u"a\uFFFDz"},
      {"a lead byte cut short", "a\xC3", u"a\uFFFD"},
      // A sequence of the right shape but a forbidden value is one mark.
      {"an overlong slash", "\xC0\xAFz", u"\uFFFDz"},
      {"an encoded surrogate", "\xED\xA0\x80", u"\uFFFD"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD"},
      {"a Windows-1252 byte", "caf\xE9!", u"caf\uFFFD!"},
  };
  for (const auto& c : fromUtf8) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
  }
  const struct { const char* name; std::u16string utf16; std::string utf8; } fromUtf16[] = {
      {"a high surrogate alone", u"a\xD83Dz", "a\xEF\xBF\xBDz"},
      {"a low surrogate alone", u"\xDE00", "\xEF\xBF\xBD"},
      {"a high surrogate at the end", u"z\xD83D", "z\xEF\xBF\xBD"},
      {"two high surrogates", u"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
  };
  for (const auto& c : fromUtf16) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  }
}

// A machine as the rule sees it: files, folders that take a new file, and
// environment variables.
class FakeMachine final : public ProfilePlaceProbe {
 public:
  bool Exists(std::string_view path) override { return files.count(std::string(path)) || IsFolder(path); }
  bool IsFolder(std::string_view path) override { return folders.count(std::string(path)) > 0; }
  bool AcceptsNewFile(std::string_view folder, std::string_view name) override {
    tried.insert(std::string(folder) + "\\" + std::string(name));
    return writable.count(std::string(folder)) > 0;
  }
  std::string Environment(std::string_view name) override {
    const auto it = environment.find(std::string(name));
    return it == environment.end() ? "" : it->second;
  }

  std::set<std::string> files, folders, writable, tried;
  std::map<std::string, std::string> environment;
};

TEST(ProfilePlace, HistoricFileWhereItWorksElseTheUsersOwnFolder) {
  const std::string historic = "c:\\windows\\system\\qbv1.ini";
  const std::string system = "c:\\windows\\system";
  const struct {
    const char* windows;
    std::set<std::string> files, folders, writable;
    std::map<std::string, std::string> environment;
    std::string path;
  } cases[] = {
      {"98 and ME: the folder takes the file", {}, {system}, {system}, {}, historic},
      {"XP, an administrator", {}, {system}, {system}, {{"APPDATA", "C:\\Documents and Settings\\jo\\Application Data"}},
       historic},
      {"XP and later, a standard user", {}, {system}, {}, {{"APPDATA", "C:\\Users\\jo\\AppData\\Roaming"}},
       "C:\\Users\\jo\\AppData\\Roaming\\qbv1.ini"},
      {"a file an earlier run left where the user may no longer write", {historic}, {system}, {},
       {{"APPDATA", "C:\\Users\\jo\\AppData\\Roaming"}}, historic},
      {"2000 in C:\\WINNT", {}, {}, {}, {{"APPDATA", "C:\\Documents and Settings\\jo\\Application Data"}},
       "C:\\Documents and Settings\\jo\\Application Data\\qbv1.ini"},
      {"APPDATA ending in a backslash", {}, {}, {}, {{"APPDATA", "D:\\"}}, "D:\\qbv1.ini"},
      {"NT 4.0: no APPDATA, the profile's Application Data",
       {}, {"C:\\WINNT\\Profiles\\jo\\Application Data"}, {}, {{"USERPROFILE", "C:\\WINNT\\Profiles\\jo"}},
       "C:\\WINNT\\Profiles\\jo\\Application Data\\qbv1.ini"},
      {"NT 4.0 without an Application Data folder", {}, {}, {}, {{"USERPROFILE", "C:\\WINNT\\Profiles\\jo"}},
       "C:\\WINNT\\Profiles\\jo\\qbv1.ini"},
      {"nothing at all", {}, {}, {}, {}, historic},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.windows);
    FakeMachine machine;
    machine.files = c.files;
    machine.folders = c.folders;
    machine.writable = c.writable;
    machine.environment = c.environment;
    EXPECT_EQ(ChooseProfilePath(machine), c.path);
    // The write probe is made only in the historic folder, and only when it is there.
    EXPECT_EQ(machine.tried.empty(), c.files.count(historic) > 0 || c.folders.count(system) == 0);
    for (const std::string& probe : machine.tried) EXPECT_EQ(probe, historic);
  }
}

}  // namespace
}  // namespace quimbly::platform
