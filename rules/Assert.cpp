#include "rules/Assert.h"

#include <cstdio>
#include <cstdlib>

void MjAssertFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}
