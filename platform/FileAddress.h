// "file:" addresses of the program folder's own pages.  The desktop may open a local page only
// when it is a regular file inside the program folder: no other file of the disk, however the
// address spells it (a "..", an encoded character, another folder), is ever handed on.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The "file:" address of a game path's file ("help.htm"), from its bytes on disk with every byte
// outside the plain ASCII letters, digits and "-._~/" written as %XX; empty when the file is
// missing or not a regular file inside the program folder.
std::string ProgramFileAddress(std::string_view gbkGamePath);

// True for a "file:" address (scheme in any case, then "//" and an absolute path, no query or
// fragment) whose decoded path has no ".." and names a regular file under the program folder.
bool IsProgramFileAddress(std::string_view url);

// True when the text starts with the prefix (in lower case), ASCII letters in any case: how
// an address's scheme is matched.
bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix);

}  // namespace platform
