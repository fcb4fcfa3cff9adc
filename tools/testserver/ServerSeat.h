// One seat of a test-server table.  Used by the table's own files only.
#pragma once

#include <string>

#include "rules/MjPlayer.h"
#include "tools/testserver/ServerTable.h"

namespace testserver {

struct ServerTable::Seat {
    int status = 0;  // 0 robot, 1 a person, 2 a person offline (a robot plays)
    std::string name = kRobotName;
    bool male = true;
    int picture = kRobotPicture;
    int score = kStartScore;
    bool started = false;
    CMjPlayer p;  // hand with its drawn tile, melds, river, flowers, ready flag, winds
};

}  // namespace testserver
