#include "platform/sdl/MemorySoundFont.h"

#include <fluidsynth.h>

#include <cstdio>
#include <cstring>

namespace platform {
namespace {

// FluidSynth opens a soundfont by name through a loader's file callbacks.  The name this
// loader understands is "&" followed by the address of the bytes; FluidSynth's own loader,
// tried after it, finds no such file.
struct MemoryFile {
    const std::string* bytes;
    long long pos = 0;

    long long Size() const { return static_cast<long long>(bytes->size()); }
};

std::string NameOf(const std::string& bytes) {
    char name[32];
    std::snprintf(name, sizeof name, "&%p", static_cast<const void*>(&bytes));
    return name;
}

void* Open(const char* name) {
    void* address = nullptr;
    if (!name || std::sscanf(name, "&%p", &address) != 1 || !address) return nullptr;
    return new MemoryFile{static_cast<const std::string*>(address)};
}

int Read(void* buffer, fluid_long_long_t count, void* handle) {
    auto& file = *static_cast<MemoryFile*>(handle);
    if (count < 0 || count > file.Size() - file.pos) return FLUID_FAILED;
    std::memcpy(buffer, file.bytes->data() + file.pos, static_cast<std::size_t>(count));
    file.pos += count;
    return FLUID_OK;
}

int Seek(void* handle, fluid_long_long_t offset, int origin) {
    auto& file = *static_cast<MemoryFile*>(handle);
    if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END) return FLUID_FAILED;
    const long long base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? file.pos : file.Size();
    if (offset < -base || offset > file.Size() - base) return FLUID_FAILED;
    file.pos = base + offset;
    return FLUID_OK;
}

fluid_long_long_t Tell(void* handle) { return static_cast<MemoryFile*>(handle)->pos; }

int Close(void* handle) {
    delete static_cast<MemoryFile*>(handle);
    return FLUID_OK;
}

}  // namespace

bool LoadSoundFontFromMemory(fluid_synth_t* synth, fluid_settings_t* settings,
                             const std::string& bytes) {
    fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
    if (!loader) return false;
    fluid_sfloader_set_callbacks(loader, Open, Read, Seek, Tell, Close);
    fluid_synth_add_sfloader(synth, loader);  // the synthesiser owns it from here
    return fluid_synth_sfload(synth, NameOf(bytes).c_str(), 1) != FLUID_FAILED;
}

}  // namespace platform
