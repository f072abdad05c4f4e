#pragma once
// Searching and paging the model list of the model selection dialog, kept out
// of the dialog so that they can be checked without a window.
//
// A name is searched through a short key: its first 28 bytes of UTF-8 with
// the ASCII letters lower-cased. The query gets the same treatment with a
// 400-byte limit, and a name matches when its key holds the query.

#include <cstddef>
#include <string>
#include <vector>

constexpr int kModelPageSize = 36;
constexpr std::size_t kModelKeyBytes = 28;
constexpr std::size_t kModelQueryBytes = 400;

// At most maxBytes of the UTF-8 text, never ending inside a character: a
// character that does not fit whole is left out.
std::string CutUtf8(const std::string& text, std::size_t maxBytes);

// The text through UTF-8, cut to maxBytes, ASCII letters lower-cased, and
// back to wide text.
std::wstring ModelSearchText(const std::wstring& text, std::size_t maxBytes);
std::wstring ModelSearchKey(const std::wstring& name);
std::wstring ModelSearchQuery(const std::wstring& text);

// Every name, in order, whose key (keys[i] belongs to names[i]) contains the
// query. Names without a key are not found.
std::vector<std::wstring> FindModels(
    const std::vector<std::wstring>& names, const std::vector<std::wstring>& keys, const std::wstring& query);

// How many entries of a list of listSize entries page (from 1) shows.
int ModelPageEntryCount(std::size_t listSize, int page);
// Whether a page follows page.
bool ModelPageHasNext(std::size_t listSize, int page);
