#include "platform/Md5.h"

#include <md5.h>

namespace platform {

int HexEncode(char* out, const std::uint8_t* bytes, int n) {
    static const char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < n; ++i) {
        out[2 * i] = kDigits[bytes[i] >> 4];
        out[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
    out[2 * n] = 0;
    return 2 * n;
}

std::string Md5Hex(std::string_view bytes) {
    MD5_CTX context;
    MD5Init(&context);
    MD5Update(&context, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    std::uint8_t digest[MD5_DIGEST_LENGTH];
    MD5Final(digest, &context);
    char text[2 * MD5_DIGEST_LENGTH + 1];
    HexEncode(text, digest, MD5_DIGEST_LENGTH);
    return text;
}

}  // namespace platform
