// The score sheet's fan names: views of the one fan table (rules/FanTable.h), by fan number
// (FanNames, entries 0 and 89 empty) and by extra-fan number of the wild-tile rule
// (ExtraFanNames, 0..6 named, the rest empty).  No name is stored twice.
#pragma once

#include "rules/FanTable.h"

extern const char* FanNames[kFanSlots];
extern const char* ExtraFanNames[kExFanSlots];

// Points both lists at the fan table's names (the score sheet's constructor does); before it,
// and after ExitFanNames, every entry is null.
void InitFanNames();
void ExitFanNames();
