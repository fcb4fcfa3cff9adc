#include "platform/Bmp.h"

#include <array>
#include <optional>
#include <string>

#include "platform/Path.h"
#include "platform/WholeFile.h"

namespace platform {

namespace {

constexpr long long kMaxSide = 8192;
constexpr long long kMaxPixels = 16LL << 20;
constexpr std::size_t kMaxFileBytes = 256u << 20;

constexpr std::uint32_t kRgb = 0;        // uncompressed
constexpr std::uint32_t kBitFields = 3;  // uncompressed with explicit channel masks
constexpr std::size_t kFileHeaderBytes = 14;

// The file's bytes, read only through bounds-checked little-endian accessors.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t Size() const { return size_; }
    bool Has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    // Callers check Has first.
    std::uint32_t U16(std::size_t at) const { return data_[at] | data_[at + 1] << 8; }
    std::uint32_t U32(std::size_t at) const {
        return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
    }
    const std::uint8_t* At(std::size_t at) const { return data_ + at; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// One colour channel of a bit-field pixel: its mask, where it starts and how wide it is.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

// False for a mask whose bits are not contiguous.
bool MakeChannel(std::uint32_t mask, Channel* c) {
    *c = Channel{mask, 0, 0};
    if (mask == 0) return true;
    while (!(mask & 1)) {
        mask >>= 1;
        ++c->shift;
    }
    while (mask & 1) {
        mask >>= 1;
        ++c->bits;
    }
    return mask == 0;
}

// The channel widened or narrowed to 8 bits; narrower fields repeat their bits, so a full
// field stays full (5-bit 31 becomes 255).
unsigned Expand(std::uint32_t pixel, const Channel& c) {
    if (c.bits == 0) return 0;
    std::uint32_t v = (pixel & c.mask) >> c.shift;
    if (c.bits >= 8) return v >> (c.bits - 8);
    std::uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
        out = out << c.bits | v;
        filled += c.bits;
    }
    return out >> (filled - 8);
}

// Everything the headers say about the picture.
struct Header {
    long long width = 0;
    long long height = 0;  // rows, always positive
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteAt = 0;      // where the palette (or the masks' end) is
    std::size_t paletteEntry = 4;   // bytes per palette entry: 3 for OS/2, else 4
    std::uint32_t pixelsAt = 0;     // offset of the pixel rows
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

bool ReadInfoHeader(const Bytes& b, Header* h) {
    if (!b.Has(0, kFileHeaderBytes + 4) || b.At(0)[0] != 'B' || b.At(0)[1] != 'M') return false;
    h->pixelsAt = b.U32(10);
    const std::uint32_t infoSize = b.U32(14);
    if (!b.Has(kFileHeaderBytes, infoSize)) return false;
    const std::size_t i = kFileHeaderBytes;
    h->paletteAt = i + infoSize;
    if (infoSize == 12) {  // OS/2: unsigned 16-bit sizes, rows bottom-up, 3-byte palette
        h->width = b.U16(i + 4);
        h->height = b.U16(i + 6);
        h->bpp = static_cast<int>(b.U16(i + 10));
        h->paletteEntry = 3;
        return true;
    }
    if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
        return false;
    h->width = static_cast<std::int32_t>(b.U32(i + 4));
    const long long height = static_cast<std::int32_t>(b.U32(i + 8));
    h->topDown = height < 0;
    h->height = height < 0 ? -height : height;
    h->bpp = static_cast<int>(b.U16(i + 14));
    h->compression = b.U32(i + 16);
    h->colorsUsed = b.U32(i + 32);
    std::size_t masksAt = i + 40;
    if (infoSize == 40 && h->compression == kBitFields) {  // masks follow the header
        if (!b.Has(masksAt, 12)) return false;
        h->paletteAt += 12;
    }
    if (h->compression == kBitFields)
        for (int c = 0; c < 3; ++c) h->masks[c] = b.U32(masksAt + 4 * c);
    return true;
}

bool SizesAcceptable(const Header& h) {
    if (h.width < 1 || h.height < 1 || h.width > kMaxSide || h.height > kMaxSide) return false;
    if (h.width * h.height > kMaxPixels) return false;
    switch (h.bpp) {
        case 1: case 4: case 8: case 24: return h.compression == kRgb;
        case 16: case 32: return h.compression == kRgb || h.compression == kBitFields;
        default: return false;
    }
}

// The palette as RGB565, 256 entries; entries past the file's palette stay black.
bool ReadPalette(const Bytes& b, const Header& h, std::array<std::uint16_t, 256>* palette) {
    palette->fill(0);
    if (h.bpp > 8) return true;
    const std::uint32_t capacity = 1u << h.bpp;
    const std::uint32_t count = h.colorsUsed == 0 ? capacity : h.colorsUsed;
    if (count > capacity) return false;
    const std::uint64_t bytes = static_cast<std::uint64_t>(count) * h.paletteEntry;
    if (!b.Has(h.paletteAt, bytes) || h.paletteAt + bytes > h.pixelsAt) return false;
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint8_t* e = b.At(h.paletteAt + k * h.paletteEntry);  // blue, green, red
        (*palette)[k] = Rgb565(e[2], e[1], e[0]);
    }
    return true;
}

// Decodes one row of the file into a row of the surface.
class RowDecoder {
public:
    RowDecoder(const Header& h, const std::array<std::uint16_t, 256>& palette)
        : h_(h), palette_(palette) {}

    bool Init() {
        std::array<std::uint32_t, 3> masks = h_.masks;
        if (h_.compression == kRgb)
            masks = h_.bpp == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                 : std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
        for (int c = 0; c < 3; ++c)
            if (!MakeChannel(masks[c], &channels_[c])) return false;
        return true;
    }

    void Decode(const std::uint8_t* in, std::uint16_t* out) const {
        const int w = static_cast<int>(h_.width);
        switch (h_.bpp) {
            case 1: case 4: case 8: {
                const int bpp = h_.bpp, perByte = 8 / bpp, mask = (1 << bpp) - 1;
                for (int x = 0; x < w; ++x) {
                    const int shift = 8 - bpp * (x % perByte + 1);
                    out[x] = palette_[(in[x / perByte] >> shift) & mask];
                }
                break;
            }
            case 16:
                for (int x = 0; x < w; ++x) out[x] = FromFields(in[2 * x] | in[2 * x + 1] << 8);
                break;
            case 24:
                for (int x = 0; x < w; ++x) out[x] = Rgb565(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
                break;
            case 32:
                for (int x = 0; x < w; ++x) {
                    const std::uint8_t* p = in + 4 * x;
                    out[x] = FromFields(p[0] | p[1] << 8 | p[2] << 16 |
                                        static_cast<std::uint32_t>(p[3]) << 24);
                }
                break;
        }
    }

private:
    std::uint16_t FromFields(std::uint32_t pixel) const {
        return Rgb565(Expand(pixel, channels_[0]), Expand(pixel, channels_[1]),
                      Expand(pixel, channels_[2]));
    }

    const Header& h_;
    const std::array<std::uint16_t, 256>& palette_;
    std::array<Channel, 3> channels_{};
};

}  // namespace

std::unique_ptr<Surface> DecodeBmp(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr) return nullptr;
    const Bytes b(data, size);
    Header h;
    if (!ReadInfoHeader(b, &h) || !SizesAcceptable(h)) return nullptr;
    if (h.pixelsAt < h.paletteAt || h.pixelsAt > size) return nullptr;
    std::array<std::uint16_t, 256> palette;
    if (!ReadPalette(b, h, &palette)) return nullptr;
    RowDecoder decoder(h, palette);
    if (!decoder.Init()) return nullptr;

    const std::uint64_t rowBits = static_cast<std::uint64_t>(h.width) * h.bpp;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t needed = stride * (h.height - 1) + (rowBits + 7) / 8;
    if (!b.Has(h.pixelsAt, needed)) return nullptr;

    auto surface = std::make_unique<Surface>(static_cast<int>(h.width), static_cast<int>(h.height));
    for (long long r = 0; r < h.height; ++r) {
        const long long y = h.topDown ? r : h.height - 1 - r;
        decoder.Decode(b.At(h.pixelsAt + r * stride), surface->Row(static_cast<int>(y)));
    }
    return surface;
}

std::unique_ptr<Surface> LoadBmpFile(std::string_view gbkPath) {
    const std::optional<std::string> bytes = ReadWholeFile(ToDiskPath(gbkPath), kMaxFileBytes);
    if (!bytes) return nullptr;
    auto picture = DecodeBmp(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
    if (picture) picture->SetName(std::string(gbkPath));
    return picture;
}

}  // namespace platform
