// The key store reading a damaged or hostile file: every line it accepts must survive a save
// and a load unchanged, and nothing may crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "platform/KeyStore.h"

namespace {
std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/fuzz_keystore_" + std::to_string(getpid()) + ".txt";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    platform::KeyStore store(path);
    store.Load();
    store.Save();
    const std::string saved = ReadAll(path);
    platform::KeyStore again(path);
    again.Load();
    again.Save();
    if (ReadAll(path) != saved) std::abort();
    std::remove(path.c_str());
    return 0;
}
