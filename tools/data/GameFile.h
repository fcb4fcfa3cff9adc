// Writing one file of the program folder, named by its game path ("Wave\\Male\\hu.wav": GBK,
// backslashes, relative to the folder).
#pragma once

#include <string>
#include <string_view>

namespace gamefiles {

// Writes `bytes` to the game path inside the program folder `utf8Folder`, creating the folders
// on the way.  Only rewrites a file whose content changed, so timestamps stay put.  False (with
// a line on stderr) when the file cannot be written.
bool WriteGameFile(const std::string& utf8Folder, std::string_view gbkPath, std::string_view bytes);

// The file on disk for a game path inside the program folder, as the program finds it.
std::string GameFileOnDisk(const std::string& utf8Folder, std::string_view gbkPath);

}  // namespace gamefiles
