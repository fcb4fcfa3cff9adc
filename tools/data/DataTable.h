// The data files of the program folder: each one's game path and the UTF-8 source beside this
// file (files/) that becomes its GBK content.
#pragma once

#include <string_view>
#include <vector>

namespace gamefiles {

// Settings: the player's own file once it is there (the game rewrites it), so it is written
// only where it is missing.
enum class DataKind { Ini, WordList, LevelList, Page, Settings };

struct DataFile {
    std::string_view gamePath;  // "ad\\pop.htm"
    std::string_view source;    // "ad/pop.htm", relative to tools/data/files
    DataKind kind;
};

const std::vector<DataFile>& DataFiles();

}  // namespace gamefiles
