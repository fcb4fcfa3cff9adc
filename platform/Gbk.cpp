#include "platform/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace platform {

std::size_t GbkCharLength(const char* text, std::size_t len, std::size_t pos) {
    if (pos + 1 < len && IsGbkLead(static_cast<unsigned char>(text[pos])) &&
        IsGbkTrail(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

std::size_t GbkPrevCharStart(const char* text, std::size_t pos) {
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < pos) {
        start = i;
        i += GbkCharLength(text, pos, i);
    }
    return start;
}

std::size_t GbkClampLength(const char* text, std::size_t len, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < len) {
        std::size_t n = GbkCharLength(text, len, end);
        if (end + n > maxBytes) break;
        end += n;
    }
    return end;
}

std::string GbkFoldAsciiCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = GbkCharLength(out.data(), out.size(), i);
        if (n == 1 && out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] + 32);
        i += n;
    }
    return out;
}

namespace {

// One iconv conversion, restartable after an invalid sequence: each bad input sequence is
// replaced by `replacement` and skipped by `skip` bytes.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    template <typename SkipFn>
    std::string Run(std::string_view in, std::string_view replacement, SkipFn skip) {
        std::lock_guard<std::mutex> lock(mutex_);
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (r != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a truncated sequence at the end): replace and skip.
            out.append(replacement);
            std::size_t n = skip(src, srcLeft);
            src += n;
            srcLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
    std::mutex mutex_;
};

std::size_t SkipOneByte(const char*, std::size_t) { return 1; }

std::size_t SkipUtf8Char(const char* s, std::size_t left) {
    unsigned char c = static_cast<unsigned char>(s[0]);
    std::size_t n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    std::size_t i = 1;
    // Skip the continuation bytes that belong to this sequence only.
    while (i < n && i < left && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    return i;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    static Converter conv("UTF-8", "GBK");
    return conv.Run(gbk, "\xEF\xBF\xBD", SkipOneByte);
}

std::string Utf8ToGbk(std::string_view utf8) {
    static Converter conv("GBK", "UTF-8");
    return conv.Run(utf8, "?", SkipUtf8Char);
}

char32_t GbkDecodeChar(const char* text, std::size_t len, std::size_t pos, std::size_t* length) {
    std::size_t n = GbkCharLength(text, len, pos);
    if (length) *length = n;
    unsigned char c = static_cast<unsigned char>(text[pos]);
    if (n == 1) return c < 0x80 ? c : 0xFFFD;
    std::string utf8 = GbkToUtf8(std::string_view(text + pos, 2));
    // Decode the (at most 3-byte) UTF-8 result of one BMP character.
    const unsigned char* u = reinterpret_cast<const unsigned char*>(utf8.data());
    if (utf8.size() == 3 && (u[0] & 0xF0) == 0xE0)
        return static_cast<char32_t>(((u[0] & 0x0F) << 12) | ((u[1] & 0x3F) << 6) | (u[2] & 0x3F));
    if (utf8.size() == 2 && (u[0] & 0xE0) == 0xC0)
        return static_cast<char32_t>(((u[0] & 0x1F) << 6) | (u[1] & 0x3F));
    if (utf8.size() == 1) return u[0];
    return 0xFFFD;
}

}  // namespace platform
