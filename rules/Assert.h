// MJ_ASSERT(condition): an invariant of the game's own data.  Debug and sanitizer builds stop
// at the first broken one, naming the condition and where it is written; release builds do not
// evaluate the condition, and the code after it keeps its defined fallback (a count clamped to
// its range, a search that finds nothing).
#pragma once

// Writes where the invariant broke to stderr and aborts.
[[noreturn]] void MjAssertFailed(const char* condition, const char* file, int line);

#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
#define MJ_ASSERTS_ON 1
#define MJ_ASSERT(condition) \
    ((condition) ? static_cast<void>(0) : MjAssertFailed(#condition, __FILE__, __LINE__))
#else
#define MJ_ASSERTS_ON 0
#define MJ_ASSERT(condition) static_cast<void>(sizeof(!(condition)))
#endif
