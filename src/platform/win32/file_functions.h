// Windows' two families of file functions (see FileFunctions), each as a
// table of the calls the profile makes and the way names and the file's text
// cross to them. Through either, the file holds the same bytes: its text in
// the system's code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quimbly::platform::win32 {

// Every Windows has them; names and text cross in the code page.
struct AnsiFunctions {
  using Char = char;
  using FindData = WIN32_FIND_DATAA;

  static std::string Name(std::string_view utf8);
  static std::string NameToUtf8(std::string_view name);
  static std::string Text(std::string_view utf8);
  static std::string TextToUtf8(std::string_view text);

  decltype(&::GetFileAttributesA) getFileAttributes = &::GetFileAttributesA;
  decltype(&::CreateFileA) createFile = &::CreateFileA;
  decltype(&::DeleteFileA) deleteFile = &::DeleteFileA;
  decltype(&::FindFirstFileA) findFirstFile = &::FindFirstFileA;
  decltype(&::GetEnvironmentVariableA) getEnvironmentVariable = &::GetEnvironmentVariableA;
  decltype(&::GetPrivateProfileStringA) getPrivateProfileString = &::GetPrivateProfileStringA;
  decltype(&::WritePrivateProfileStringA) writePrivateProfileString = &::WritePrivateProfileStringA;
};

// The NT family's: names cross whole, in UTF-16. The file's text crosses as
// the code page's characters, widened: Windows writes a file that is not
// UTF-16 already in the code page, so it gets the bytes the ANSI functions
// would have written, and a read gives back what they would have read.
// Looked up at run time, never imported (Windows 95, 98 and ME have only
// stubs of them), so each may be null.
struct WideFunctions {
  using Char = wchar_t;
  using FindData = WIN32_FIND_DATAW;

  WideFunctions();
  bool Found() const;

  static std::wstring Name(std::string_view utf8);
  static std::string NameToUtf8(std::wstring_view name);
  static std::wstring Text(std::string_view utf8);
  static std::string TextToUtf8(std::wstring_view text);

  decltype(&::GetFileAttributesW) getFileAttributes;
  decltype(&::CreateFileW) createFile;
  decltype(&::DeleteFileW) deleteFile;
  decltype(&::FindFirstFileW) findFirstFile;
  decltype(&::GetEnvironmentVariableW) getEnvironmentVariable;
  decltype(&::GetPrivateProfileStringW) getPrivateProfileString;
  decltype(&::WritePrivateProfileStringW) writePrivateProfileString;
};

}  // namespace quimbly::platform::win32
