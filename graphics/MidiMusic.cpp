#include "graphics/MidiMusic.h"

#include <string>

#include "platform/Path.h"

platform::MusicPlayer* pPerformance = nullptr;
MidiSlot MidiSlots[kMidiSlotCount];
int nMidiCurrent = -1;
int MidiSongs[kMidiSlotCount];

namespace {

bool InTable(int slot) { return slot >= 0 && slot < kMidiSlotCount; }

bool HoldsSong(int slot) {
    return InTable(slot) && MidiSlots[slot].song >= 0 && MidiSlots[slot].state != kMidiFree;
}

void FreeSlot(MidiSlot& slot) {
    slot.song = -1;
    slot.state = kMidiFree;
}

}  // namespace

int MidiInit() {
    for (int i = 0; i < kMidiSlotCount; i++) {
        FreeSlot(MidiSlots[i]);
        MidiSlots[i].index = i;
        MidiSongs[i] = -1;
    }
    nMidiCurrent = -1;
    pPerformance = platform::CurrentMusicPlayer();
    if (pPerformance == nullptr || !pPerformance->IsAvailable()) {
        pPerformance = nullptr;
        return 0;
    }
    return 1;
}

int MidiLoad(const char* fileName) {
    if (pPerformance == nullptr || fileName == nullptr) return -1;
    for (MidiSlot& slot : MidiSlots) {
        if (slot.state != kMidiFree) continue;
        const int song = pPerformance->Load(platform::ProgramPath(std::string("Music\\") + fileName));
        if (song < 0) return -1;
        slot.song = song;
        slot.state = kMidiLoaded;
        return slot.index;
    }
    return -1;
}

int MidiPlay(int slot) {
    if (!InTable(slot)) return -1;
    if (!HoldsSong(slot)) return 0;
    if (nMidiCurrent != -1) MidiStop(nMidiCurrent);
    pPerformance->Play(MidiSlots[slot].song);
    MidiSlots[slot].state = kMidiPlaying;
    nMidiCurrent = slot;
    return 1;
}

// Only stopping the current song leaves no song current: stopping another slot's song must
// not make the table forget the one that still plays.
int MidiStop(int slot) {
    if (!HoldsSong(slot)) return 0;
    pPerformance->Stop(MidiSlots[slot].song);
    MidiSlots[slot].state = kMidiStopped;
    if (slot == nMidiCurrent) nMidiCurrent = -1;
    return 1;
}

bool MidiIsPlaying(int slot) {
    return HoldsSong(slot) && pPerformance->IsPlaying(MidiSlots[slot].song);
}

int MidiUnloadAll() {
    if (pPerformance != nullptr) pPerformance->UnloadAll();
    for (MidiSlot& slot : MidiSlots) FreeSlot(slot);
    return 1;
}

int MidiShutdown() {
    MidiUnloadAll();
    if (pPerformance != nullptr) pPerformance->Shutdown();
    pPerformance = nullptr;
    return 1;
}
