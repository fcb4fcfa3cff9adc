#include "tests/support/PngWriter.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace testsupport {

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBig32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBig32(out, Crc32(body.data(), body.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        std::size_t n = std::min<std::size_t>(raw.size() - pos, 65535);
        out.push_back(pos + n == raw.size() ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(~n));
        out.push_back(static_cast<std::uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(out, (b << 16) | a);
    return out;
}

}  // namespace

bool WritePng(const platform::Surface& surface, const std::string& path) {
    Bytes raw;
    for (int y = 0; y < surface.Height(); ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < surface.Width(); ++x) {
            std::uint16_t p = surface.Row(y)[x];
            raw.push_back(static_cast<std::uint8_t>((p >> 11) << 3));
            raw.push_back(static_cast<std::uint8_t>(((p >> 5) & 0x3F) << 2));
            raw.push_back(static_cast<std::uint8_t>((p & 0x1F) << 3));
        }
    }
    Bytes header;
    PutBig32(header, static_cast<std::uint32_t>(surface.Width()));
    PutBig32(header, static_cast<std::uint32_t>(surface.Height()));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(file);
}

}  // namespace testsupport
