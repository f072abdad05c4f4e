#pragma once
// Turns an English key into the text of the current user-interface language.
//
// The language file is "<application directory>/Lang_<g_languageIndex>.xml":
// a UTF-8 XML document whose first element is the root, whatever its name;
// every child element of the root with both a "name" (the English key) and a
// "value" attribute is one entry, and a later entry with the same key wins.
//
// The file is read again on every call, so a change of g_languageIndex takes
// effect at the next call. The table is built from the current file alone:
// a key that file lacks, or any key when the file is missing or malformed,
// comes back as the key itself, never as another language's text.
//
// The result lies in one of five rotating buffers of 1024 wide characters
// (longer texts are cut to 1023), so it stays valid for the next four calls;
// callers hand it straight to a control or copy it. A null or empty key gives
// an empty text. GUI thread only.
const wchar_t* translate(const wchar_t* key);
