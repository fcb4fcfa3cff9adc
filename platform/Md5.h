// MD5 digests as hexadecimal text (libmd), for checking downloaded files against the digest a
// server announced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Two upper-case hexadecimal characters per byte, high nibble first, and a terminating 0 at
// out[2n]; `out` holds at least 2n + 1 bytes.  Returns 2n.
int HexEncode(char* out, const std::uint8_t* bytes, int n);

// The MD5 digest of the bytes as 32 upper-case hexadecimal characters.
std::string Md5Hex(std::string_view bytes);

}  // namespace platform
