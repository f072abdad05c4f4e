#pragma once
// Small free functions the application leans on: paths, files, time stamps,
// UTF-8 conversion, XML unescaping and search-and-replace.

#include <string>

// --- Paths: '/' is the only separator these know. ---

// The text after the last '/' (the whole path when there is none).
std::wstring GetFileNameOfPath(const std::wstring& path);
// The text between the last '/' and the last '.'; the rest of the text when
// no '.' follows the last '/'.
std::wstring GetBaseNameOfPath(const std::wstring& path);
// The text after the last '.', without the dot; the whole path when there is
// no '.' at all (a '.' in a directory name counts too).
std::wstring GetExtensionOfPath(const std::wstring& path);

// --- Files: paths are converted with the local code page. ---

// 1 when the path names a file that can be opened for reading, else 0; a
// directory counts as missing.
int FileExists(const std::wstring& path);
// True when anything exists at the path, directories included.
bool FileExistsW(const std::wstring& path);
// Creates every missing directory level that is followed by a '/' (so a
// directory path must end with '/' for its last level to be made). Returns 0
// when the whole path already exists, otherwise the result of the last mkdir
// (0 made, -1 failed; the walk stops at the first failure), and -1 when
// nothing had to be created or the path is null.
int MakeDirectoryPath(const wchar_t* path);
// Writes the content, converted to the local code page, to the file at the
// 8-bit path (created or truncated). 1 on success, 0 when the file cannot be
// opened or the bytes cannot all be written.
int WriteTextFile(const std::wstring& content, const std::string& path);
// The same with a wide path, handed on as UTF-8 bytes; the content is still
// written in the local code page.
int WriteUtf8TextFile(const std::wstring& content, const std::wstring& path);

// --- Text ---

// The current calendar time in seconds, its low 32 bits printed as a signed
// decimal.
std::wstring GetTimeStampText();

// UTF-8 <-> wide. A null pointer gives an empty text.
std::wstring Utf8ToWide(const char* text);
std::wstring Utf8StringToWide(const std::string& text);
std::string WideToUtf8(const wchar_t* text);
std::string WideStringToUtf8(const std::wstring& text);

// Replaces "&lt;", "&gt;", "&amp;", "&quot;" and the four characters
// backslash-r-backslash-n (a blank). The result is that of rounds that each
// replace the first occurrence of each pattern once, repeated until none is
// found, so entities that a replacement produced are unescaped too
// ("&amp;lt;" ends as "<"); it takes time linear in the length of the text.
std::string XmlUnescape(const std::string& text);
std::wstring XmlUnescape(const std::wstring& text);

// Every occurrence of the pattern replaced, scanning left to right; text that
// a replacement produced is not scanned again. An empty pattern changes
// nothing.
std::string ReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement);
std::wstring ReplaceAll(const std::wstring& text, const std::wstring& pattern, const std::wstring& replacement);
