// Lays the data files into the program folder: each UTF-8 source becomes GBK bytes, the
// program's own encoding.  A character GBK cannot hold stops the build.  The settings file is
// written only where the program folder has none yet.
//   mj_make_data <source folder> <program folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Gbk.h"
#include "tools/data/DataTable.h"
#include "tools/data/GameFile.h"

namespace {

bool ReadFile(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool MakeOne(const std::string& sources, const std::string& folder, const gamefiles::DataFile& f) {
    if (f.kind == gamefiles::DataKind::Settings &&
        std::filesystem::exists(gamefiles::GameFileOnDisk(folder, f.gamePath)))
        return true;
    std::string utf8;
    const std::string path = sources + "/" + std::string(f.source);
    if (!ReadFile(path, &utf8)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::string gbk = platform::Utf8ToGbk(utf8);
    if (platform::GbkToUtf8(gbk) != utf8) {
        std::fprintf(stderr, "%s holds text that GBK cannot encode\n", path.c_str());
        return false;
    }
    return gamefiles::WriteGameFile(folder, f.gamePath, gbk);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mj_make_data <source folder> <program folder>\n");
        return 2;
    }
    bool ok = true;
    for (const auto& f : gamefiles::DataFiles()) ok = MakeOne(argv[1], argv[2], f) && ok;
    return ok ? 0 : 1;
}
