// A one-line text input drawn on the composition surface: a background picture, the GBK text
// (or stars in password mode) and a caret character, limited to 99 bytes.  Typed characters
// arrive one byte at a time; a two-byte character is its lead byte and then its trail byte.
// Owners fill or clear it by writing `text` and `length`, and move the focus by writing
// `focus`.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"

class CDxEdit {
public:
    static constexpr int kMaxLength = 99;

    // Loads the box picture (registered, with the table's colour key).
    explicit CDxEdit(std::string_view backgroundPath);
    ~CDxEdit();
    CDxEdit(const CDxEdit&) = delete;
    CDxEdit& operator=(const CDxEdit&) = delete;

    void SetPos(int x, int y);
    void Draw();
    // A press strictly inside the box focuses the edit (true); outside leaves the focus alone.
    bool MouseDown(int x, int y);
    // One typed byte; true when the edit took it.  Enter (13) and Esc (27) are the owner's.
    // Backspace (8) removes the last whole character.  Other bytes are stored as they come,
    // control bytes included; a full edit beeps, and a lead byte that no longer fits with its
    // trail is refused together with the trail byte that follows it.
    bool OnChar(unsigned char c);
    // Copies min(length, max) bytes into `buffer`, without a terminator.
    void GetText(char* buffer, int max) const;

    platform::Surface* background = nullptr;
    platform::Rect backgroundRect;
    int x = 0;
    int y = 0;
    std::uint8_t password = 0;  // every byte drawn as '*'
    std::uint8_t caretOn = 1;   // blink phase, toggled by the owner's timer
    char text[kMaxLength + 1] = {};
    int length = 0;
    std::uint8_t enabled = 1;
    std::uint8_t visible = 1;
    std::uint8_t focus = 0;
    std::uint32_t textColor = 0x000000;
    std::uint8_t translucent = 0;  // background blended at 180 instead of keyed
    int marginX = 5;
    int marginY = 5;

private:
    void Backspace();
    void Append(unsigned char c);
    // True when the stored text ends with a lead byte still waiting for its trail.
    bool EndsInsideCharacter() const;
    void DrawTextLine() const;

    // Set when a lead byte was refused at the limit: its trail byte is dropped too.
    bool dropTrail_ = false;
};
