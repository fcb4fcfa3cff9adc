#include "online/HttpGetThread.h"

#include <filesystem>
#include <system_error>

#include "online/AvatarDownloads.h"
#include "platform/Http.h"
#include "platform/Path.h"

namespace {

constexpr long kConnectTimeoutMs = 10000;
constexpr long kTransferTimeoutMs = 60000;

void RemoveFile(const std::string& gbkPath) {
    std::error_code ignored;
    std::filesystem::remove(platform::ToDiskPath(gbkPath), ignored);
}

}  // namespace

THttpGetThread::THttpGetThread(CAvatarDownloads& tables)
    : tables_(tables), thread_([this] { Execute(); }) {}

THttpGetThread::~THttpGetThread() {
    if (thread_.joinable()) thread_.join();
}

void THttpGetThread::Execute() {
    LoadAvatar job;
    while (tables_.WaitForJob(&job))
        if (Download(job)) tables_.Finished(job);
}

bool THttpGetThread::Download(const LoadAvatar& job) {
    const std::string temporary = AvatarTemporaryPath(job.target, job.id);
    platform::MakeFolderOf(temporary);
    RemoveFile(temporary);
    platform::HttpGetOptions options;
    options.connectTimeoutMs = kConnectTimeoutMs;
    options.timeoutMs = kTransferTimeoutMs;
    options.maxBytes = kMaxAvatarBytes;
    options.cancel = &tables_.Closing();
    if (platform::HttpGetToFile("http://" + job.address, temporary, options) != platform::HttpResult::Ok)
        return false;
    if (!FileHasDigest(temporary, job.digest)) {
        RemoveFile(temporary);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(platform::ToDiskPath(temporary), platform::ToDiskPath(job.target), error);
    if (error) RemoveFile(temporary);
    return !error;
}
