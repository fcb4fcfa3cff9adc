// Soundfonts handed to FluidSynth as bytes in memory, so that the file itself is read only by
// the program's whole-file reader (regular files only, bounded) and never opened by FluidSynth.
#pragma once

#include <string>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace platform {

// Loads the soundfont in `bytes` into `synth` (made with `settings`); the bytes must stay as
// they are while the synthesiser lives, as it may read its samples later.  False when
// FluidSynth refuses them.
bool LoadSoundFontFromMemory(_fluid_synth_t* synth, _fluid_hashtable_t* settings,
                             const std::string& bytes);

}  // namespace platform
