// "file:" addresses of the program folder's own pages.  The desktop may open a local page only
// when it is a regular file inside the program folder: no other file of the disk, however the
// game path spells it (a "..", another folder), is ever handed on.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The "file:" address of a game path's file ("help.htm"), from its bytes on disk with every byte
// outside the plain ASCII letters, digits and "-._~/" written as %XX; empty when the file is
// missing or not a regular file inside the program folder.
std::string ProgramFileAddress(std::string_view gbkGamePath);

}  // namespace platform
