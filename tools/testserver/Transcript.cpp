#include "tools/testserver/Transcript.h"

#include <cstdio>

#include "online/GameMsg.h"

namespace testserver {

namespace {

std::string Hex(const std::string& bytes) {
    std::size_t end = bytes.size();
    while (end > 0 && bytes[end - 1] == '\0') end--;
    std::string out;
    char cell[4];
    for (std::size_t i = 0; i < end; i++) {
        std::snprintf(cell, sizeof cell, "%02x", static_cast<unsigned char>(bytes[i]));
        if (i) out += ' ';
        out += cell;
    }
    return out;
}

const char* TypeName(const TranscriptEntry& e) {
    if (e.signUp) return e.fromClient ? "SIGNUP_REQUEST" : "SIGNUP_ANSWER";
    if (e.type == kRawBytes) return "RAW";
    const char* name = e.fromClient ? ClientMsgName(e.type) : ServerMsgName(e.type);
    return name ? name : "UNKNOWN";
}

}  // namespace

std::string TranscriptEntry::Line() const {
    std::string line = "#" + std::to_string(connection) + (fromClient ? " C>S " : " S>C ");
    line += TypeName(*this);
    if (!signUp && type != kRawBytes) line += "(" + std::to_string(type) + ")";
    line += " " + Hex(bytes);
    return line;
}

void Transcript::Open(const std::string& path, bool keep) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!path.empty()) file_.open(path, std::ios::app);
    keep_ = keep;
}

bool Transcript::Wanted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return keep_ || file_.is_open();
}

void Transcript::AddGame(int connection, bool fromClient, const std::string& bytes) {
    if (!Wanted()) return;
    std::size_t at = 0;
    for (; at + kGameMsgSize <= bytes.size(); at += kGameMsgSize) {
        const std::string record = bytes.substr(at, kGameMsgSize);
        Add({connection, fromClient, false, static_cast<signed char>(record[0]), record});
    }
    if (at < bytes.size()) Add({connection, fromClient, false, kRawBytes, bytes.substr(at)});
}

void Transcript::AddSignUp(int connection, bool fromClient, const std::string& bytes) {
    if (!Wanted()) return;
    Add({connection, fromClient, true, 0, bytes});
}

std::vector<TranscriptEntry> Transcript::Entries() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return entries_;
}

void Transcript::Add(TranscriptEntry entry) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (file_.is_open()) file_ << entry.Line() << '\n' << std::flush;
    if (keep_) entries_.push_back(std::move(entry));
}

}  // namespace testserver
