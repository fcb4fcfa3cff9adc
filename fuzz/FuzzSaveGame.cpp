// Reads any bytes as a saved game.  A record the reader accepts must write back to a file of
// the layout's size that reads again to the same record.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/SaveGameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto game = ReadSavedGame(bytes);
    if (!game) return 0;
    const std::string written = WriteSavedGame(*game);
    if (written.size() != kSavedGameBytes) std::abort();
    const auto again = ReadSavedGame(written);
    if (!again || WriteSavedGame(*again) != written) std::abort();
    return 0;
}
