// The quick-chat phrases of Chat.txt in the program folder: every run of characters between
// white space is one phrase.  The reader stands apart from the table object, so the fuzz build
// compiles it on its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// At most this many phrases, each at most this many bytes (a phrase goes out in one table-chat
// record).
constexpr int kMaxChatPhrases = 100;
constexpr int kMaxChatPhraseBytes = 127;

// Chat.txt is a short list of phrases; anything longer is not a phrase list.
constexpr std::size_t kMaxChatFileBytes = 64 * 1024;

// The phrases of the file's bytes (GBK), in order.  GBK trail bytes are never white space, so a
// character is never split; a phrase longer than one chat record is cut at a character
// boundary, and phrases past the limit are dropped.
std::vector<std::string> SplitChatPhrases(std::string_view text);

// The phrases of the file at a game path; none when it cannot be read or is too large.
std::vector<std::string> ReadChatFile(const std::string& gbkPath);
