#include "ui/FanNames.h"

const char* FanNames[kFanSlots] = {};
const char* ExtraFanNames[kExFanSlots] = {};

void InitFanNames() {
    for (int n = 0; n < kFanSlots; ++n) FanNames[n] = FanNameTable[n] ? FanNameTable[n] : "";
    for (int i = 0; i < kExFanSlots; ++i) ExtraFanNames[i] = ExFanName(i);
}

void ExitFanNames() {
    for (const char*& name : FanNames) name = nullptr;
    for (const char*& name : ExtraFanNames) name = nullptr;
}
