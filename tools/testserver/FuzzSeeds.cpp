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

bool WriteFuzzSeeds(const std::string& folder) {
    for (const FuzzSeed& seed : RecordReaderSeeds()) {
        std::ofstream out(folder + "/" + seed.name, std::ios::binary);
        out << seed.bytes;
        if (!out) return false;
    }
    return true;
}

}  // namespace testserver
