#include "tools/data/GameFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/Path.h"

namespace gamefiles {

namespace {

bool SameContent(const std::string& disk, std::string_view bytes) {
    std::ifstream in(disk, std::ios::binary);
    if (!in) return false;
    std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return old == bytes;
}

}  // namespace

std::string GameFileOnDisk(const std::string& utf8Folder, std::string_view gbkPath) {
    platform::SetProgramFolder(utf8Folder);
    return platform::ToDiskPath(platform::ProgramPath(gbkPath));
}

bool WriteGameFile(const std::string& utf8Folder, std::string_view gbkPath, std::string_view bytes) {
    platform::SetProgramFolder(utf8Folder);
    const std::size_t slash = gbkPath.rfind('\\');
    if (slash != std::string_view::npos &&
        !platform::MakeFolder(platform::ProgramPath(gbkPath.substr(0, slash)))) {
        std::fprintf(stderr, "cannot create the folder of %s\n", std::string(gbkPath).c_str());
        return false;
    }
    const std::string disk = platform::ToDiskPath(platform::ProgramPath(gbkPath));
    if (SameContent(disk, bytes)) return true;
    std::ofstream out(disk, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", disk.c_str());
        return false;
    }
    return true;
}

}  // namespace gamefiles
