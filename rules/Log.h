// The trace log.  Every trace call of the game goes to the one object `Log`; the trace is
// switched off at the source, so both operations accept their arguments and write nothing.
#pragma once

class CLog {
public:
    void Write(const char* format, ...) const {}
    void WriteError(const char* format, ...) const {}
};

extern CLog Log;
