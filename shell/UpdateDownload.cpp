#include "shell/UpdateDownload.h"

#include <algorithm>
#include <sstream>

#include "platform/WindowPost.h"

std::string DownloadLabel(std::uint64_t received, std::uint64_t total) {
    return "已经下载" + std::to_string(received) + "字节" + "(共" + std::to_string(total) + "字节)";
}

int DownloadPercent(std::uint64_t received, std::uint64_t total) {
    if (total == 0) return 0;
    const std::uint64_t percent = total >= 100 ? received / (total / 100) : 100 * received / total;
    return static_cast<int>(std::min<std::uint64_t>(percent, 100));
}

std::string ProgressPayload(std::uint64_t received, std::uint64_t total) {
    return std::to_string(received) + " " + std::to_string(total);
}

bool ReadProgressPayload(const std::string& payload, std::uint64_t* received,
                         std::uint64_t* total) {
    std::istringstream in(payload);
    return static_cast<bool>(in >> *received >> *total);
}

std::string ResultPayload(platform::HttpResult result) {
    return std::to_string(static_cast<int>(result));
}

platform::HttpResult ReadResultPayload(const std::string& payload) {
    if (payload == ResultPayload(platform::HttpResult::Ok)) return platform::HttpResult::Ok;
    if (payload == ResultPayload(platform::HttpResult::Cancelled))
        return platform::HttpResult::Cancelled;
    return platform::HttpResult::Failed;
}

CInstallerDownload::~CInstallerDownload() {
    Abort();
    Join();
}

void CInstallerDownload::Start(const std::string& url, const std::string& gbkPath) {
    Join();
    cancel_ = false;
    thread_ = std::thread([this, url, gbkPath] {
        platform::HttpGetOptions options;
        options.cancel = &cancel_;
        options.onProgress = [](std::uint64_t received, std::uint64_t total) {
            platform::PostNotice(WM_DOWNLOADPROGRESS, ProgressPayload(received, total));
        };
        const platform::HttpResult result = platform::HttpGetToFile(url, gbkPath, options);
        platform::PostNotice(WM_DOWNLOADDONE, ResultPayload(result));
    });
}

void CInstallerDownload::Join() {
    if (thread_.joinable()) thread_.join();
}
