// The user's own configuration folder for the program, where the key store and the
// single-instance lock live: $XDG_CONFIG_HOME/mahjong, else ~/.config/mahjong.
#pragma once

#include <string>

namespace platform {

// The folder (UTF-8 on disk), without a trailing '/'.  $XDG_CONFIG_HOME counts only when it
// is an absolute path; empty when neither it nor $HOME is known.
std::string UserConfigFolder();

// Permission bits of the folders made for it: the user's alone.
constexpr unsigned kPrivateFolderMode = 0700;

}  // namespace platform
