#pragma once
// Recursive search for files whose names contain a text.

#include <list>

namespace KW_SOFT_BASE {

// Appends to found the full path of every file under directory whose name
// contains needle (case-sensitive; a null needle matches everything).
// Subdirectories are searched only when their own name matches too. Symbolic
// links are reported like files and never followed.
//
// directory should end with '/'; one is added when it does not. Each path is
// a new char[] of at least 256 bytes (more when the path needs it) that the
// caller releases with delete[].
//
// 0 when directory cannot be read, else 1.
int FindFilesContaining(const char* directory, std::list<char*>& found, const char* needle);

} // namespace KW_SOFT_BASE
