// The sign-up channel's answer, any bytes: one byte is an answer with a text and a caption, and
// only the success byte creates the account; any other count of bytes is no answer at all.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "online/RegRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RegAnswer answer = ReadRegReply(data, size);
    if ((answer.text != nullptr) != (size == 1)) std::abort();
    if (answer.text && (!answer.caption || std::strlen(answer.text) == 0)) std::abort();
    if (answer.created != (size == 1 && data[0] == kRegOk)) std::abort();
    return 0;
}
