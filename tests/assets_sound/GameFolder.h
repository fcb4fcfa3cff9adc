// The built program folder as the tests see it.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/Gbk.h"

// The file of a game path ("Wave\\Male\\hu.wav") under its exact name, without the program's
// case-insensitive fallback, so a wrongly cased name is caught.
inline std::string ExactDiskPath(std::string_view gbkPath) {
    std::string utf8 = platform::GbkToUtf8(gbkPath);
    for (char& c : utf8)
        if (c == '\\') c = '/';
    return std::string(MJ_GAME_DIR) + "/" + utf8;
}

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
