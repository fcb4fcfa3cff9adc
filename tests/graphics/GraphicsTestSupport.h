// Test helpers of the surface registry and the picture loaders: a scratch program folder with
// BMP and GIF files written by the test, the current folder moved for a test, the composition
// surface and the message boxes replaced for a test.
#pragma once

#include <gd.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/GraphicsGlobals.h"
#include "platform/Blit.h"
#include "platform/MessageBox.h"
#include "platform/Surface.h"
#include "platform/testing/DrawRecorder.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "tests/platform/surface/BmpWriter.h"
#include "tests/support/ScratchFolder.h"

namespace graphicstest {

namespace fs = std::filesystem;

inline void WriteFile(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A fresh program folder "game" for the running test, made the program folder, with room
// beside it for a current folder of the test's own.
inline fs::path FreshGameFolder(const char* area) {
    const fs::path game = testsupport::FreshProgramFolder(area) / "game";
    fs::create_directories(game);
    platform::SetProgramFolder(game.string());
    return game;
}

// A w × h BMP of one 0xRRGGBB colour.
inline std::vector<std::uint8_t> SolidBmp(int w, int h, std::uint32_t rgb) {
    return bmptest::WriteBmp(w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, rgb),
                             {});
}

// A GIF picture for libgd to write: palette colours 0xRRGGBB, one palette index per pixel
// (top row first) and the transparent index (-1: none).
struct GifPicture {
    int width = 1;
    int height = 1;
    std::vector<std::uint32_t> palette;
    std::vector<int> pixels;
    int transparent = -1;
};

inline std::vector<std::uint8_t> MakeGif(const GifPicture& picture) {
    gdImagePtr image = gdImageCreate(picture.width, picture.height);
    for (std::uint32_t c : picture.palette)
        gdImageColorAllocate(image, (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    if (picture.transparent >= 0) gdImageColorTransparent(image, picture.transparent);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            gdImageSetPixel(image, x, y,
                            picture.pixels[static_cast<std::size_t>(y) * picture.width + x]);
    int size = 0;
    auto* data = static_cast<std::uint8_t*>(gdImageGifPtr(image, &size));
    std::vector<std::uint8_t> bytes(data, data + size);
    gdFree(data);
    gdImageDestroy(image);
    return bytes;
}

// A w × h GIF whose pixel (x, y) has palette index (x + y) % colours of `palette`.
inline std::vector<std::uint8_t> DiagonalGif(int w, int h,
                                             const std::vector<std::uint32_t>& palette,
                                             int transparent = -1) {
    GifPicture picture{w, h, palette, {}, transparent};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.pixels.push_back((x + y) % static_cast<int>(palette.size()));
    return MakeGif(picture);
}

// Moves the current folder for the life of the scope.
class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& folder) : old_(fs::current_path()) {
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    ~CurrentFolder() { fs::current_path(old_); }

private:
    fs::path old_;
};

// A w × h composition surface of one colour, standing in `lpDDSPla` for the life of the scope.
class FrameScope {
public:
    FrameScope(int w, int h, std::uint16_t fill) : frame_(w, h), old_(lpDDSPla) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) frame_.Row(y)[x] = fill;
        lpDDSPla = &frame_;
    }
    ~FrameScope() { lpDDSPla = old_; }
    platform::Surface& Frame() { return frame_; }

private:
    platform::Surface frame_;
    platform::Surface* old_;
};

// Records the message boxes shown during the scope.
class MessageScope {
public:
    MessageScope() { platform::InstallMessageBoxes(&recorder_); }
    ~MessageScope() { platform::InstallMessageBoxes(nullptr); }
    const std::vector<platform::MessageBoxRequest>& Shown() const { return recorder_.Shown(); }

private:
    platform::testing::MessageBoxRecorder recorder_;
};

inline bool SameRect(const platform::Rect& a, const platform::Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Every pixel of a surface, row by row.
inline std::vector<std::uint16_t> PixelsOf(const platform::Surface& s) {
    return std::vector<std::uint16_t>(
        s.Pixels(), s.Pixels() + static_cast<std::size_t>(s.Width()) * s.Height());
}

}  // namespace graphicstest
