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

// Writes the seeds into `folder`; false when one cannot be written.
bool WriteFuzzSeeds(const std::string& folder);

}  // namespace testserver
