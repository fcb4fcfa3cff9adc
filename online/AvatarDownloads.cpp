#include "online/AvatarDownloads.h"

#include "online/HttpGetThread.h"

CAvatarDownloads::CAvatarDownloads() = default;

CAvatarDownloads::~CAvatarDownloads() { Stop(); }

bool CAvatarDownloads::Queue(const LoadAvatar& job) {
    {
        std::lock_guard<std::mutex> lock(csAvatarQueue);
        if (nAvatarQueue >= kMaxHeld) return false;
        AvatarQueue[nAvatarQueue++] = job;
    }
    jobQueued_.notify_one();
    return true;
}

bool CAvatarDownloads::TakeDone(LoadAvatar* done) {
    std::lock_guard<std::mutex> lock(csAvatarDone);
    if (nAvatarDone == 0) return false;
    *done = AvatarDone[--nAvatarDone];
    return true;
}

void CAvatarDownloads::StartThread() {
    if (thread_ || closing_) return;
    thread_ = std::make_unique<THttpGetThread>(*this);
    threadsStarted_++;
}

void CAvatarDownloads::Stop() {
    {
        std::lock_guard<std::mutex> lock(csAvatarQueue);
        closing_ = true;
    }
    jobQueued_.notify_all();
    thread_.reset();
}

bool CAvatarDownloads::WaitForJob(LoadAvatar* job) {
    std::unique_lock<std::mutex> lock(csAvatarQueue);
    downloading_ = false;
    jobQueued_.wait(lock, [this] { return closing_ || nAvatarQueue > 0; });
    if (closing_) return false;
    *job = AvatarQueue[--nAvatarQueue];
    downloading_ = true;
    return true;
}

bool CAvatarDownloads::Busy() {
    std::lock_guard<std::mutex> lock(csAvatarQueue);
    return nAvatarQueue > 0 || downloading_;
}

void CAvatarDownloads::Finished(const LoadAvatar& job) {
    std::lock_guard<std::mutex> lock(csAvatarDone);
    if (nAvatarDone >= kMaxHeld) return;
    AvatarDone[nAvatarDone].id = job.id;
    AvatarDone[nAvatarDone].name = job.name;
    nAvatarDone++;
}

int CAvatarDownloads::QueuedJobs() {
    std::lock_guard<std::mutex> lock(csAvatarQueue);
    return nAvatarQueue;
}
