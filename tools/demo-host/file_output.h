// The files the host writes: transcripts and the ready file.
#pragma once

#include <string>

namespace quimbly::demohost {

// Creates path, or empties it if it exists.
bool CreateEmptyFile(const std::wstring& path);

// Appends bytes + "\n" in one write, opening and closing the file each time so
// a test reading it sees every posted line as soon as it is posted.
bool AppendLine(const std::wstring& path, const std::string& bytes);

// Writes a temp file next to path and renames it over path, so a poller sees
// either nothing or the whole content.
bool WriteFileAtomically(const std::wstring& path, const std::string& content);

// Best effort: a GUI program may have no stderr at all.
void WriteStderr(const std::string& text);

}  // namespace quimbly::demohost
