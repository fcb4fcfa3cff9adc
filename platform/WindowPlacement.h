// Where the 800 × 600 main window goes on the screen and what frame it gets.
#pragma once

namespace platform {

constexpr int kGameWidth = 800;
constexpr int kGameHeight = 600;

enum class WindowFrame {
    TooNarrow,   // the table does not fit: the program ends without a word
    Borderless,  // the screen is exactly as wide as the table
    Bordered,
};

constexpr WindowFrame FrameForScreenWidth(int screenWidth) {
    return screenWidth < kGameWidth    ? WindowFrame::TooNarrow
           : screenWidth == kGameWidth ? WindowFrame::Borderless
                                       : WindowFrame::Bordered;
}

// The window's left (or top) edge that centres it on the screen; the halving rounds toward
// zero, so a screen smaller than the window puts the window's edge just off screen.
constexpr int CentredOrigin(int screenSize, int windowSize) {
    return (screenSize - windowSize) / 2;
}

}  // namespace platform
