#pragma once
// Turns an English key into the text of the current user-interface language.
//
// The language file is "<application directory>/Lang_<g_languageIndex>.xml":
// a UTF-8 XML document whose first element is the root, whatever its name;
// every child element of the root with both a "name" (the English key) and a
// "value" attribute is one entry, and a later entry with the same key wins.
//
// Each call checks the current file (the language index, its path, its
// modification time and size) and reads it again only when one of these
// differs from the file read last, so a change of g_languageIndex, or a file
// changed on disk, takes effect at the next call. The texts shown are those
// of one language: a key the current file lacks takes the text of the
// English file built into the program, never the text an earlier language
// gave it, and only a key that English file lacks too comes back as the key
// itself. A missing or malformed file is named in one warning and gives no
// texts of its own (English then shows), except when it is the file already
// read, damaged since: its texts as read last stay.
//
// The result lies in one of five rotating buffers of 1024 wide characters
// (longer texts are cut to 1023), so it stays valid for the next four calls;
// callers hand it straight to a control or copy it. A null or empty key gives
// an empty text. GUI thread only.

#include <string>

const wchar_t* translate(const wchar_t* key);

// Whether the language's texts can be shown: English always can, its texts
// being built into the program; another language when its file can be read.
// A file that cannot is named in one warning.
bool IsLanguageReadable(int languageIndex);

// "<folder>/Lang_<languageIndex>.xml", the file the language's texts are
// read from, as file-system bytes: the folder below, or the application
// directory.
std::string LanguageFilePath(int languageIndex);

// Test hook; the program never calls it. The folder the language files are
// read from, as file-system bytes without a trailing '/'; empty (the
// default) is the application directory. The next translate reads the
// current language's file from there, so that a test can take a language
// file away or damage it without touching those beside the program.
void SetLanguageFileDir(const std::string& dir);
