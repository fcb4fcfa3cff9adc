// Paths as the game writes them (backslashes, GBK names, relative to the program folder) and
// as they are on disk here ('/', UTF-8 names).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The program folder in the game's form: GBK, ending in a backslash ("/opt/game\").  By
// default the folder of the running executable.
const std::string& ProgramFolder();
// Replaces the program folder (tests, tools); takes a UTF-8 folder on disk.
void SetProgramFolder(std::string_view utf8Folder);

// The program folder followed by a relative game path ("Graphic\\Room.bmp").
std::string ProgramPath(std::string_view gbkRelative);

// Maps a game path to the file on disk: '\' becomes '/', GBK names become UTF-8, and each
// component that does not exist as written is matched case-insensitively (ASCII letters) in its
// folder.  Components that match nothing are kept as written, so a new file can be created.
std::string ToDiskPath(std::string_view gbkPath);

// Creates the folder of a game path (and its parents) when missing; true when it exists after.
bool MakeFolder(std::string_view gbkPath);
// Creates the folder that the file of a game path lies in (and its parents) when missing; true
// when that folder exists after.
bool MakeFolderOf(std::string_view gbkFilePath);

// True when the game path names an existing regular file.
bool FileExists(std::string_view gbkPath);

}  // namespace platform
