#pragma once

#include <string>

// Creates path, or empties it if it exists.
bool create_empty_file(const std::wstring& path);

// Appends bytes + "\n" in one write, opening and closing the file each time so
// a test reading it sees every posted line as soon as it is posted.
bool append_line(const std::wstring& path, const std::string& bytes);

// Writes a temp file next to path and renames it over path, so a poller sees
// either nothing or the whole content.
bool write_file_atomically(const std::wstring& path, const std::string& content);

// Best effort: a GUI program may have no stderr at all.
void write_stderr(const std::string& text);
