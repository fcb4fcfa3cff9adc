#include "rules/GbHu.h"

#include <cstring>

#include "engine/MjPlayer.h"
#include "rules/Log.h"

CGbHu::CGbHu()
    : fan{}, exfan{}, bestcount(0), minfan(kOfficialMinFan), wildrule(0), wildmj{0, 0},
      orphans{{9, 0}, {1, 0}, {9, 1}, {1, 1}, {9, 2}, {1, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3},
              {5, 3}, {6, 3}, {7, 3}},
      player(nullptr), groupcount(0), besttotal(0), yaojiucount(0), fourcount(0),
      ankongcount(0), mingkongcount(0), basefan{}, workfan{}, workexfan{}, wildcount(0) {}
