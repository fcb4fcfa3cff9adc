// Files read and written whole: settings, the key store, pictures, sounds and songs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes of the regular file at `diskPath` (UTF-8); nothing when it is missing, unreadable,
// not a regular file or larger than `maxBytes`.  Nothing but a regular file is opened, and
// nothing waits: a pipe or a device under the name is refused at once.  The file is read to its
// end, whatever size it announces (files of /proc and /sys announce none, or a page).
std::optional<std::string> ReadWholeFile(const std::string& diskPath, std::size_t maxBytes);

// Writes `bytes` as the file at `diskPath` (UTF-8) through a FileReplacement: readers see either
// the old bytes or the new ones, a link is written through.  A file that is there keeps its
// permission bits; a new one gets 0644.  False, with the old file untouched and no temporary
// file left, when the folder is missing or the bytes cannot be written.  Two writers at once,
// in one process or two, never share a temporary file: the last rename wins whole.
bool ReplaceFileContents(const std::string& diskPath, std::string_view bytes);

}  // namespace platform
