#include "rules/Random.h"

#include <ctime>

namespace {

// Linear congruential generator with the multiplier, increment and output bits of the classic
// C runtime rand(): 15 bits taken from the high half of the state.
unsigned int randState = 1;

long long SystemClock(void*) { return static_cast<long long>(std::time(nullptr)); }

MjClock clockFn = SystemClock;
void* clockContext = nullptr;

}  // namespace

void MjSrand(unsigned int seed) { randState = seed; }

int MjRand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & kMjRandMax);
}

void MjSetClock(MjClock clock, void* context) {
    clockFn = clock ? clock : SystemClock;
    clockContext = clock ? context : nullptr;
}

long long MjTime() { return clockFn(clockContext); }
