// GBK (code page 936) text: the program's own encoding.  Conversions to and from UTF-8 happen
// only at the edges (file names on disk, widget texts, glyph lookup, typed text).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// A GBK lead byte starts a two-byte character.
constexpr bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
// A GBK trail byte is the second byte of a two-byte character.
constexpr bool IsGbkTrail(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE);
}

// Length in bytes (1 or 2) of the character that starts at text[pos], never reaching past len.
// A lead byte without a valid trail counts as a one-byte character.
std::size_t GbkCharLength(const char* text, std::size_t len, std::size_t pos);

// Start of the character that ends at pos (the one a Backspace removes), walking from the
// start of the text so that trail bytes are never mistaken for lead bytes.  0 when pos is 0.
std::size_t GbkPrevCharStart(const char* text, std::size_t pos);

// Largest prefix length <= maxBytes that does not split a character.
std::size_t GbkClampLength(const char* text, std::size_t len, std::size_t maxBytes);

// The text with its one-byte capitals A–Z lowered, two-byte characters left whole (a trail
// byte that happens to be a capital is part of its character): the form in which names that
// compare without regard to ASCII case are compared.
std::string GbkFoldAsciiCase(std::string_view text);

// GBK to UTF-8; a byte sequence that is not GBK becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);
// UTF-8 to GBK; a character GBK cannot encode (or invalid UTF-8) becomes '?'.
std::string Utf8ToGbk(std::string_view utf8);

// Decodes the character at text[pos] (GBK) to a Unicode code point; sets *length to the bytes
// it takes.  Returns U+FFFD for bytes that are not GBK.
char32_t GbkDecodeChar(const char* text, std::size_t len, std::size_t pos, std::size_t* length);

}  // namespace platform
