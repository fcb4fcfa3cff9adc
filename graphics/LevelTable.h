// The level table: level titles by score from `level.txt`, shown beside the seats, in the user
// list and in the lobby.  It lives with the seat drawing, the lowest of the folders that read
// it (online play reads it too).
//
// The file holds whitespace-separated pairs, a title (one word) then its bound, the highest
// score of that level; the table is meant to be in ascending order of bounds.
#pragma once

#include <cstdint>
#include <string_view>

constexpr int kMaxLevels = 50;

struct LevelEntry {
    char title[20];      // GBK, zero-terminated; longer titles are cut at a character boundary
    std::int32_t bound;  // the highest score of the level
};

extern LevelEntry LevelTable[kMaxLevels];
extern int nLevelCount;

// Fills the table from the file at a game path: the first 50 pairs whose title and bound both
// read.  A file that cannot be read leaves the table empty.
void LoadLevelTable(std::string_view path);

// The first entry whose bound is at least the score; when none is, the last entry held.  With
// an empty table, an entry with an empty title.
const LevelEntry& LevelForScore(int score);

// The index of LevelForScore's entry (0 for an empty table).
int LevelIndexForScore(int score);
