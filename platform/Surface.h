// An RGB565 picture in memory: the composition surface, every loaded picture and every
// off-screen buffer of the table.  Pixels are 16-bit, rows are `Width()` pixels apart
// (pitch = 2 × width bytes).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

class DrawObserver;

// An RGB565 pixel from 8-bit channels, by truncation (#FF00FF becomes 0xF81F).
constexpr std::uint16_t Rgb565(unsigned r, unsigned g, unsigned b) {
    return static_cast<std::uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
}

// An RGB565 pixel from a GDI colour value 0x00BBGGRR.
constexpr std::uint16_t Rgb565FromColorRef(std::uint32_t colorRef) {
    return Rgb565(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

class Surface {
public:
    // A width × height surface, all black; sizes below 1 give an empty surface.
    Surface(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return width_ * 2; }  // bytes from one row to the next
    bool Empty() const { return pixels_.empty(); }

    std::uint16_t* Pixels() { return pixels_.data(); }
    const std::uint16_t* Pixels() const { return pixels_.data(); }
    std::uint16_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint16_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }

    // The source colour key: pixels of this value are skipped by keyed copies.
    void SetColorKey(std::uint16_t key) {
        colorKey_ = key;
        hasColorKey_ = true;
    }
    void ClearColorKey() { hasColorKey_ = false; }
    bool HasColorKey() const { return hasColorKey_; }
    std::uint16_t ColorKey() const { return colorKey_; }

    // What the picture is, for tests and diagnostics: a loaded picture's game path; empty by
    // default.
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Name() const { return name_; }

    // Told of every drawing call made on this surface (see DrawObserver.h); null: none.
    void SetObserver(DrawObserver* observer) { observer_ = observer; }
    DrawObserver* Observer() const { return observer_; }

private:
    int width_;
    int height_;
    std::vector<std::uint16_t> pixels_;
    std::uint16_t colorKey_ = 0;
    bool hasColorKey_ = false;
    std::string name_;
    DrawObserver* observer_ = nullptr;
};

}  // namespace platform
