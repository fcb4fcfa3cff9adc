// The avatar download thread: takes the newest queued job, downloads "http://" + its address
// into "<id>.tmp" beside the job's target (at most 1 MiB), checks the digest, puts the file in
// place of the target and reports it finished.  A failed, aborted or wrong download changes no
// target and reports nothing.  Joined by its destructor; the owner raises the close first.
#pragma once

#include <thread>

#include "online/AvatarCache.h"

class CAvatarDownloads;

class THttpGetThread {
public:
    explicit THttpGetThread(CAvatarDownloads& tables);
    ~THttpGetThread();
    THttpGetThread(const THttpGetThread&) = delete;
    THttpGetThread& operator=(const THttpGetThread&) = delete;

    // The worker loop, until the close.
    void Execute();

private:
    // True when the job's target now holds its verified picture.
    bool Download(const LoadAvatar& job);

    CAvatarDownloads& tables_;
    std::thread thread_;
};
