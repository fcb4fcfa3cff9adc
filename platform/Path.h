// Paths as the game writes them (backslashes, GBK names, relative to the program folder) and
// as they are on disk here ('/', UTF-8 names).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The program folder in the game's form: GBK, ending in a backslash ("/opt/game\").  By
// default the folder of the running executable.  A character of the folder's name that GBK
// cannot hold shows as '?' here; paths under the folder still reach the disk (ToDiskPath).
const std::string& ProgramFolder();
// Replaces the program folder (tests, tools); takes the folder as it is on disk (UTF-8, or
// whatever bytes its name has).
void SetProgramFolder(std::string_view diskFolder);
// True when GBK can hold the program folder's name, so ProgramFolder() names it exactly.
bool ProgramFolderFitsGbk();

// The program folder followed by a relative game path ("Graphic\\Room.bmp").
std::string ProgramPath(std::string_view gbkRelative);

// Maps a game path to the file on disk: '\' becomes '/', GBK names become UTF-8, and each
// component that does not exist as written is matched case-insensitively (ASCII letters) in its
// folder.  Components that match nothing are kept as written, so a new file can be created.
// A path under ProgramFolder() starts from the folder's own bytes on disk.
std::string ToDiskPath(std::string_view gbkPath);

// The game path of a file named as it is on disk (an argument, a dropped file): its text in
// GBK when GBK holds it; else, for a file under the program folder (named from there or
// relative to the working folder), a path under ProgramFolder(), so that a folder name GBK
// cannot hold still leads back to the file's own bytes.
std::string GamePathOfDisk(std::string_view diskPath);

// Creates the folder of a game path (and its parents) when missing; true when it exists after.
bool MakeFolder(std::string_view gbkPath);
// Creates the folder that the file of a game path lies in (and its parents) when missing; true
// when that folder exists after.
bool MakeFolderOf(std::string_view gbkFilePath);
// Creates the folder `diskPath` (on disk) and its missing parents with the permission bits
// `mode`; folders already there are left as they are.  True when it is a folder afterwards.
bool MakeDiskFolders(const std::string& diskPath, unsigned mode);

// True when the game path names an existing regular file.
bool FileExists(std::string_view gbkPath);

}  // namespace platform
