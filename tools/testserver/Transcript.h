// Every record the test server receives and sends, in order, when a transcript is asked for:
// written to a file as it comes, one line each, "#<connection> <C>S|S>C> <type name>(<type>)"
// followed by the record's bytes in hexadecimal up to its last non-zero byte, and kept in
// memory for the in-process tests that read it.  Unasked, nothing is kept or built, so the
// server's memory does not grow with the records it serves.
#pragma once

#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace testserver {

struct TranscriptEntry {
    int connection = 0;
    bool fromClient = false;
    bool signUp = false;  // the sign-up channel
    int type = 0;         // the record's type (-1000 for bytes that are not a whole record)
    std::string bytes;

    std::string Line() const;
};

class Transcript {
public:
    // Appends each line to `path` (empty: no file) and keeps the entries when `keep` is set.
    void Open(const std::string& path, bool keep);
    // The game channel's bytes as records (a tail that is not a whole record goes as raw bytes).
    void AddGame(int connection, bool fromClient, const std::string& bytes);
    void AddSignUp(int connection, bool fromClient, const std::string& bytes);
    std::vector<TranscriptEntry> Entries() const;

private:
    void Add(TranscriptEntry entry);
    bool Wanted() const;

    mutable std::mutex mutex_;
    std::vector<TranscriptEntry> entries_;
    std::ofstream file_;
    bool keep_ = false;
};

constexpr int kRawBytes = -1000;

}  // namespace testserver
