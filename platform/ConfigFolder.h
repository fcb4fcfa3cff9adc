// The user's own configuration folder for the program, where the key store and the
// single-instance lock live: $XDG_CONFIG_HOME/mahjong, else ~/.config/mahjong.
#pragma once

#include <string>

namespace platform {

// The folder (UTF-8 on disk), without a trailing '/'.  $XDG_CONFIG_HOME counts only when it
// is an absolute path; empty when neither it nor $HOME is known.
std::string UserConfigFolder();

// Creates the folder `diskPath` and its missing parents, each for the user alone (0700);
// folders already there are left as they are.  True when it is a folder afterwards.
bool MakePrivateFolder(const std::string& diskPath);

}  // namespace platform
