#include "platform/win32/file_functions.h"

#include "platform/win32/newer_functions.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {

std::string AnsiFunctions::Name(std::string_view utf8) { return ToCodePage(utf8); }
std::string AnsiFunctions::NameToUtf8(std::string_view name) { return FromCodePage(name); }
std::string AnsiFunctions::Text(std::string_view utf8) { return ToCodePage(utf8); }
std::string AnsiFunctions::TextToUtf8(std::string_view text) { return FromCodePage(text); }

namespace {

template <typename Function>
Function Kernel32(const char* name) {
  return LookUp<Function>("kernel32.dll", name);
}

}  // namespace

WideFunctions::WideFunctions()
    : getFileAttributes(Kernel32<decltype(getFileAttributes)>("GetFileAttributesW")),
      createFile(Kernel32<decltype(createFile)>("CreateFileW")),
      deleteFile(Kernel32<decltype(deleteFile)>("DeleteFileW")),
      findFirstFile(Kernel32<decltype(findFirstFile)>("FindFirstFileW")),
      getEnvironmentVariable(Kernel32<decltype(getEnvironmentVariable)>("GetEnvironmentVariableW")),
      getPrivateProfileString(Kernel32<decltype(getPrivateProfileString)>("GetPrivateProfileStringW")),
      writePrivateProfileString(Kernel32<decltype(writePrivateProfileString)>("WritePrivateProfileStringW")) {}

bool WideFunctions::Found() const {
  return getFileAttributes && createFile && deleteFile && findFirstFile && getEnvironmentVariable &&
         getPrivateProfileString && writePrivateProfileString;
}

std::wstring WideFunctions::Name(std::string_view utf8) { return ToWide(utf8); }
std::string WideFunctions::NameToUtf8(std::wstring_view name) { return FromWide(name); }
std::wstring WideFunctions::Text(std::string_view utf8) { return CodePageToWide(ToCodePage(utf8)); }
std::string WideFunctions::TextToUtf8(std::wstring_view text) { return FromCodePage(WideToCodePage(text)); }

}  // namespace quimbly::platform::win32
