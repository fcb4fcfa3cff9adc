#include "tools/data/DataTable.h"

namespace gamefiles {

const std::vector<DataFile>& DataFiles() {
    static const std::vector<DataFile> files = {
        {"Dirconfig.ini", "Dirconfig.ini", DataKind::Ini},   // server lines
        {"Network.cfg", "Network.cfg", DataKind::Ini},       // login and sign-up hosts
        {"level.txt", "level.txt", DataKind::LevelList},     // level titles and score bounds
        {"Chat.txt", "Chat.txt", DataKind::WordList},        // quick phrases, one word each
        {"ad\\pop.htm", "ad/pop.htm", DataKind::Page},       // the start notice's local page
        {"ad\\closead.htm", "ad/closead.htm", DataKind::Page},  // the exit window's page
        {"ad\\banner.htm", "ad/banner.htm", DataKind::Page},    // the lobby's banner
        {"help.htm", "help.htm", DataKind::Page},               // the table's help button
        {"SET.ini", "SET.ini", DataKind::Settings},  // first settings: four different seat pictures
    };
    return files;
}

}  // namespace gamefiles
