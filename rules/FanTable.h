// The fan catalogue: name, value and exclusions of every fan 1..88, and the seven extra fans
// of the wild-tile rule.
#pragma once

constexpr int kFanSlots = 90;     // fan flags are indexed by fan number 1..88
constexpr int kExFanSlots = 20;   // extra-fan flags 0..6 are used
constexpr int kExFanCount = 7;

// Names by fan number; entries 0 and 89 are empty.  Filled at start-up (InitFanNameTable
// fills it again, for the table object that owns the filling).
extern const char* FanNameTable[kFanSlots];
void InitFanNameTable();

// The value a fan adds to a total; 0 for numbers outside 1..88.
int FanValue(int fan);
// The fans a fan clears when it is counted, ended by 0.
const unsigned char* FanExcludes(int fan);

// Extra fans of the wild-tile rule, indexed 0..6.
const char* ExFanName(int index);
int ExFanValue(int index);
