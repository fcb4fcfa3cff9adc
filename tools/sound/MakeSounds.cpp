// Lays every sound of the program folder: the effects, the two voice banks and the song.
//   mj_make_sounds <program folder>
#include <chrono>
#include <cstdio>
#include <string>

#include "tools/data/GameFile.h"
#include "tools/sound/Effects.h"
#include "tools/sound/SoundTable.h"
#include "tools/sound/Tune.h"
#include "tools/sound/Voice.h"

namespace {

using soundgen::SoundFile;
using soundgen::SoundKind;

// The file's bytes; empty when it cannot be made.
std::string Render(const SoundFile& f, soundgen::VoiceSynth& voices) {
    switch (f.kind) {
        case SoundKind::Effect: return soundgen::EncodeWave(soundgen::MakeEffect(f.recipe));
        case SoundKind::Voice: {
            const soundgen::Signal speech = voices.Speak(f.call->words, f.speaker);
            return speech.empty() ? std::string() : soundgen::EncodeWave(speech);
        }
        case SoundKind::Music: return soundgen::MakeBackgroundSong();
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mj_make_sounds <program folder>\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    soundgen::VoiceSynth voices;
    if (!voices.Ready()) {
        std::fprintf(stderr, "espeak-ng could not be started\n");
        return 1;
    }
    bool ok = true;
    const auto files = soundgen::SoundFiles();
    for (const SoundFile& f : files) {
        const std::string bytes = Render(f, voices);
        if (bytes.empty()) std::fprintf(stderr, "could not make %s\n", f.gamePath.c_str());
        ok = !bytes.empty() && gamefiles::WriteGameFile(argv[1], f.gamePath, bytes) && ok;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu sound files in %.2f s\n", files.size(), seconds);
    return ok ? 0 : 1;
}
