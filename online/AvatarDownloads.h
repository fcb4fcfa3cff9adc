// The tables the table object and the download thread share: the queued download jobs and the
// finished downloads, each a stack of at most 99 (the newest is taken first) behind its own
// lock, never both held at once; and the download thread itself, started once.
//
// The thread waits on a condition for a job or the close.  Stop (and the destructor) raises the
// close, which also aborts a running download within about a second, and joins the thread
// before the locks go.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "online/AvatarCache.h"

class THttpGetThread;

class CAvatarDownloads {
public:
    static constexpr int kTableSize = 100;
    static constexpr int kMaxHeld = 99;

    CAvatarDownloads();
    ~CAvatarDownloads();
    CAvatarDownloads(const CAvatarDownloads&) = delete;
    CAvatarDownloads& operator=(const CAvatarDownloads&) = delete;

    // Main thread: queues a job; false, and nothing queued, when 99 are held.
    bool Queue(const LoadAvatar& job);
    // Main thread: the newest finished download (id and name), taken; false when none.
    bool TakeDone(LoadAvatar* done);
    // Starts the download thread unless one was started before.
    void StartThread();
    // Raises the close and joins the thread; a running download is aborted.
    void Stop();

    // Download thread: waits for a job and takes the newest; false once the close is raised.
    bool WaitForJob(LoadAvatar* job);
    // Download thread: a verified download; dropped when 99 are held.
    void Finished(const LoadAvatar& job);
    // Raised at the close; the running download watches it.
    const std::atomic<bool>& Closing() const { return closing_; }

    int QueuedJobs();
    // A job is queued or being downloaded.
    bool Busy();
    // How many download threads were ever started (at most one).
    int ThreadsStarted() const { return threadsStarted_; }

private:
    LoadAvatar AvatarQueue[kTableSize];
    int nAvatarQueue = 0;
    LoadAvatar AvatarDone[kTableSize];
    int nAvatarDone = 0;
    std::mutex csAvatarQueue;
    std::mutex csAvatarDone;
    std::condition_variable jobQueued_;
    std::atomic<bool> closing_{false};
    bool downloading_ = false;  // under csAvatarQueue: a job was taken and is not done
    int threadsStarted_ = 0;
    std::unique_ptr<THttpGetThread> thread_;
};
