#include <curl/curl.h>

#include <mutex>
#include <strings.h>

#include "platform/FileReplacement.h"
#include "platform/Http.h"
#include "platform/Path.h"

namespace platform {
namespace {

constexpr long kMaxRedirects = 5;

struct Transfer {
    const HttpGetOptions& options;
    FileReplacement& file;
    CURL* curl = nullptr;
    std::uint64_t received = 0;
};

bool IsWebAddress(const std::string& url) {
    return strncasecmp(url.c_str(), "http://", 7) == 0 || strncasecmp(url.c_str(), "https://", 8) == 0;
}

bool Cancelled(const HttpGetOptions& options) {
    return options.cancel && options.cancel->load();
}

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (t.received + bytes > t.options.maxBytes) return 0;  // too large: aborts the transfer
    if (!t.file.Write(std::string_view(data, bytes))) return 0;
    t.received += bytes;
    if (t.options.onProgress) {
        curl_off_t total = -1;
        curl_easy_getinfo(t.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
        t.options.onProgress(t.received, total > 0 ? static_cast<std::uint64_t>(total) : 0);
    }
    return bytes;
}

int CheckCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return Cancelled(static_cast<Transfer*>(user)->options) ? 1 : 0;
}

void Configure(CURL* curl, const std::string& url, Transfer& t) {
    const HttpGetOptions& o = t.options;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);  // 4xx and 5xx are failures
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);      // safe on a worker thread
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, o.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, o.timeoutMs);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(o.maxBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CheckCancel);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

// Runs the transfer into the open temporary file; true when the whole body arrived.
bool Fetch(const std::string& url, Transfer& t) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    t.curl = curl_easy_init();
    if (!t.curl) return false;
    Configure(t.curl, url, t);
    const CURLcode code = curl_easy_perform(t.curl);
    curl_easy_cleanup(t.curl);
    t.curl = nullptr;
    return code == CURLE_OK;
}

}  // namespace

HttpResult HttpGetToFile(const std::string& url, const std::string& gbkPath,
                         const HttpGetOptions& options) {
    if (!IsWebAddress(url)) return HttpResult::Failed;
    // The body goes to a partial file of a unique name beside the target, made exclusively
    // (never through a link planted in the folder); it replaces the target only when whole.
    FileReplacement file(ToDiskPath(gbkPath));
    if (!file.IsOpen()) return HttpResult::Failed;
    Transfer t{options, file};
    if (Fetch(url, t) && file.Commit()) return HttpResult::Ok;
    return Cancelled(options) ? HttpResult::Cancelled : HttpResult::Failed;
}

}  // namespace platform
