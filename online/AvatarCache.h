// The avatar cache: users' pictures kept as Avatar\<id>.gif in the program folder, each
// checked against the MD5 digest the server announced for it, and the records and jobs that
// name them.  The server's records are checked before anything is kept: the digest must be 32
// hexadecimal digits and the address a plain host-and-path (AcceptableAvatarAddress).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One user's avatar as the server announced it.
struct GetAvatar {
    std::int32_t id = 0;   // the user id; also the cache file's name
    std::string name;      // the user name (GBK, at most 20 bytes)
    std::string digest;    // MD5 of the picture, 32 hexadecimal digits
    std::string address;   // the picture's address without "http://"
};

// One download job: a record and the file it goes to.
struct LoadAvatar {
    std::int32_t id = 0;
    std::string name;
    std::string digest;
    std::string address;
    std::string target;  // game path
};

// A download, and a file whose digest is taken, is at most this long.
constexpr std::uint64_t kMaxAvatarBytes = 1u << 20;
// The longest address kept (the record's field holds 60 bytes with its terminator).
constexpr std::size_t kMaxAvatarAddress = 59;

// The MD5 digest of the file at a game path, as 32 upper-case hexadecimal characters and a
// terminator, into `out` (33 bytes).  A file that cannot be read, or is longer than
// kMaxAvatarBytes, leaves `out` as the caller filled it and answers false.
bool FileMd5Hex(std::string_view gbkPath, char* out);

// Two digests compare without regard to case.
bool SameAvatarDigest(std::string_view a, std::string_view b);
// True when a file is at the game path and its digest is `digest`.
bool FileHasDigest(std::string_view gbkPath, std::string_view digest);

// 32 hexadecimal digits.
bool IsAvatarDigest(std::string_view digest);
// An address is taken only as printable ASCII without spaces, '\', '"', '<' or '>', with no
// '@' before its first '/' (no user part naming another host), at most kMaxAvatarAddress
// bytes, and not empty.
bool AcceptableAvatarAddress(std::string_view address);

// "<program folder>Avatar\<id>.gif".
std::string AvatarCachePath(std::int32_t id);
// The file a download of `target` goes to first: the target's folder and "<id>.tmp".
std::string AvatarTemporaryPath(const std::string& target, std::int32_t id);
