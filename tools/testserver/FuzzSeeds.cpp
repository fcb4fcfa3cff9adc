#include "tools/testserver/FuzzSeeds.h"

#include <fstream>

#include "tools/testserver/HostileCases.h"

namespace testserver {

std::vector<FuzzSeed> RecordReaderSeeds() {
    std::vector<FuzzSeed> seeds;
    for (const HostileCase& c : HostileCases()) {
        const std::string bytes = c.bytes();
        if (c.when != HostileWhen::kForSignUp && !bytes.empty())
            seeds.push_back({std::string("hostile_") + c.id + ".bin", bytes});
    }
    return seeds;
}

std::vector<FuzzSeed> NetTableSeeds() {
    constexpr char kInLobby = 0;
    constexpr char kMidHand = 2;
    constexpr std::size_t kRecord = 129;
    std::vector<FuzzSeed> seeds;
    for (const HostileCase& c : HostileCases()) {
        const bool midHand = c.when == HostileWhen::kSeatedMidHand;
        if (!midHand && std::string(c.id) != "table-records-in-lobby") continue;
        const std::string records = c.bytes();
        std::string bytes(1, midHand ? kMidHand : kInLobby);
        for (std::size_t at = 0; at + kRecord <= records.size(); at += kRecord)
            bytes += records.substr(at, kRecord) + std::string(1, '\0');
        seeds.push_back({std::string("hostile_") + c.id + ".bin", bytes});
    }
    return seeds;
}

bool WriteFuzzSeeds(const std::vector<FuzzSeed>& seeds, const std::string& folder) {
    for (const FuzzSeed& seed : seeds) {
        std::ofstream out(folder + "/" + seed.name, std::ios::binary);
        out << seed.bytes;
        if (!out) return false;
    }
    return true;
}

}  // namespace testserver
