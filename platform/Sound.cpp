#include "platform/Sound.h"

namespace platform {

namespace {
SoundSystem* gSystem = nullptr;
}

void InstallSoundSystem(SoundSystem* system) { gSystem = system; }
SoundSystem* CurrentSoundSystem() { return gSystem; }

void PlaySoundFile(std::string_view gbkPath) {
    if (gSystem) gSystem->PlaySoundFile(gbkPath);
}

void Beep() {
    if (gSystem) gSystem->Beep();
}

}  // namespace platform
