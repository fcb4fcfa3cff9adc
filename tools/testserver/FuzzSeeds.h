// The record reader's fuzz seeds, written from the hostile cases: each game-channel case's
// bytes as a file named after it.
#pragma once

#include <string>
#include <vector>

namespace testserver {

// The file name and bytes of each game-channel case's seed, "hostile_<id>.bin".
struct FuzzSeed {
    std::string name;
    std::string bytes;
};
std::vector<FuzzSeed> RecordReaderSeeds();
// The online table's seeds: the cases of tables and hands, each as the table target reads
// it (a byte for where the table stands, then each record followed by a clock byte of 0).
std::vector<FuzzSeed> NetTableSeeds();

// Writes the seeds into `folder`; false when one cannot be written.
bool WriteFuzzSeeds(const std::vector<FuzzSeed>& seeds, const std::string& folder);

}  // namespace testserver
