// The sign-up channel's request: one fixed 256-byte record on a connection of its own,
// answered by one byte.  Texts are GBK, zero-filled, without a terminator when they fill their
// field.  Built by the sign-up dialog, read by the loopback test server.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr int kRegRequestSize = 256;
using RegRequestBytes = std::array<std::uint8_t, kRegRequestSize>;

// The sign-up server's port, direct and through a proxy.
constexpr int kRegPort = 3891;

struct RegRequest {
    std::string name;      // 0..19
    std::string password;  // 20..31
    std::string mail;      // 32..61
    bool male = true;      // 62
    std::string extra1;    // 101..120
    std::string extra2;    // 121..140
};

RegRequestBytes EncodeRegRequest(const RegRequest& request);
RegRequest DecodeRegRequest(const std::uint8_t* bytes);

// The answer byte: what it means to the user.
enum RegReply : int {
    kRegOk = 1,
    kRegNameTaken = 2,  // as every byte not named here
    kRegNotCreated = 5,
    kRegClosed = 9,
    kRegForbiddenCharacters = 10,
};

// The sign-up channel's answer as the user is told it.  Only an answer of exactly one byte is
// one: any other count of bytes is none (`text` null).
struct RegAnswer {
    const char* text = nullptr;     // GBK
    const char* caption = nullptr;
    bool created = false;           // the account exists now: the login comes next
};
RegAnswer ReadRegReply(const std::uint8_t* bytes, std::size_t count);
