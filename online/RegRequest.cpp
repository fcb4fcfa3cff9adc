#include "online/RegRequest.h"

#include <algorithm>
#include <cstring>

#include "platform/Gbk.h"

namespace {

struct Field {
    int offset;
    int width;
};
constexpr Field kName = {0, 20};
constexpr Field kPassword = {20, 12};
constexpr Field kMail = {32, 30};
constexpr int kSex = 62;
constexpr Field kExtra1 = {101, 20};
constexpr Field kExtra2 = {121, 20};

struct ReplyText {
    int reply;
    const char* text;
    const char* caption;
};
const ReplyText kReplyTexts[] = {
    {kRegOk, "注册帐号成功", "信息"},
    {kRegForbiddenCharacters, "帐号中含有系统禁止的字符", "翠岭"},
    {kRegClosed, "服务器停止注册", "翠岭"},
    {kRegNotCreated, "注册帐号不成功", "翠岭"},
};
constexpr ReplyText kTakenName = {kRegNameTaken, "已经被注册的帐号", "翠岭"};

const ReplyText& TextFor(int reply) {
    for (const ReplyText& row : kReplyTexts)
        if (row.reply == reply) return row;
    return kTakenName;
}

void Put(RegRequestBytes& bytes, Field f, const std::string& text) {
    const std::size_t n =
        platform::GbkClampLength(text.data(), text.size(), static_cast<std::size_t>(f.width));
    std::memcpy(bytes.data() + f.offset, text.data(), n);
}

std::string Get(const std::uint8_t* bytes, Field f) {
    const char* text = reinterpret_cast<const char*>(bytes + f.offset);
    std::size_t n = 0;
    while (n < static_cast<std::size_t>(f.width) && text[n] != '\0') n++;
    return std::string(text, n);
}

}  // namespace

RegRequestBytes EncodeRegRequest(const RegRequest& request) {
    RegRequestBytes bytes{};
    Put(bytes, kName, request.name);
    Put(bytes, kPassword, request.password);
    Put(bytes, kMail, request.mail);
    bytes[kSex] = request.male ? 1 : 0;
    Put(bytes, kExtra1, request.extra1);
    Put(bytes, kExtra2, request.extra2);
    return bytes;
}

RegRequest DecodeRegRequest(const std::uint8_t* bytes) {
    RegRequest request;
    request.name = Get(bytes, kName);
    request.password = Get(bytes, kPassword);
    request.mail = Get(bytes, kMail);
    request.male = bytes[kSex] == 1;
    request.extra1 = Get(bytes, kExtra1);
    request.extra2 = Get(bytes, kExtra2);
    return request;
}

RegAnswer ReadRegReply(const std::uint8_t* bytes, std::size_t count) {
    RegAnswer answer;
    if (count != 1) return answer;
    const ReplyText& row = TextFor(bytes[0]);
    answer.text = row.text;
    answer.caption = row.caption;
    answer.created = bytes[0] == kRegOk;
    return answer;
}
