#include "HttpRequest.h"

#include "HttpRequestException.h"
#include "ProxySetting.h"
#include "lang/Format.h"

#include <algorithm>
#include <curl/curl.h>
#include <mutex>

namespace net {

namespace {

// libcurl's global set-up is not safe to race with a first request on another thread.
void initialiseLibcurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* response) {
    static_cast<HttpResponse*>(response)->body.append(data, size * count);
    return size * count;
}

// Keeps the header lines of the last response only: the blank line that ends one response's
// headers means that any line after it starts the next response (after a redirect).
std::size_t collectHeaderLine(char* data, std::size_t size, std::size_t count, void* response) {
    std::vector<std::string>& lines = static_cast<HttpResponse*>(response)->headers;
    std::string line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (!lines.empty() && lines.back().empty())
        lines.clear();
    lines.push_back(std::move(line));
    return size * count;
}

int checkAbandon(void* abandon, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return *static_cast<const std::atomic<bool>*>(abandon) ? 1 : 0;
}

// A redirect loop would otherwise hammer its server until the total time-out.
constexpr long kMostRedirects = 20;

void check(CURLcode code) {
    if (code != CURLE_OK)
        throw HttpRequestException(lang::Format("{0}", curl_easy_strerror(code)));
}

} // namespace

struct HttpRequest::Impl {
    CURL* handle = nullptr;
    std::map<std::string, std::string> headerLines;
    std::chrono::milliseconds connectTimeout = kDefaultConnectTimeout;
    std::chrono::milliseconds totalTimeout = kDefaultTotalTimeout;
    const std::atomic<bool>* abandon = nullptr;
    std::string noProxyHosts;
};

HttpRequest::HttpRequest() : m_impl(std::make_unique<Impl>()) {
    initialiseLibcurl();
    m_impl->handle = curl_easy_init();
    if (!m_impl->handle)
        throw HttpRequestException(lang::Format("Creating HttpRequest failed"));
    curl_easy_setopt(m_impl->handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_impl->handle, CURLOPT_MAXREDIRS, kMostRedirects);
    // Addresses come from scripts and servers: this is an HTTP client, not a reader of local
    // files or other protocols.
    curl_easy_setopt(m_impl->handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_impl->handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    // An empty cookie-jar name turns the cookie engine on without writing a file.
    curl_easy_setopt(m_impl->handle, CURLOPT_COOKIEFILE, "");
    // Time-outs must not raise signals: requests run on worker threads.
    curl_easy_setopt(m_impl->handle, CURLOPT_NOSIGNAL, 1L);
}

HttpRequest::~HttpRequest() { curl_easy_cleanup(m_impl->handle); }

void HttpRequest::setHeader(const std::string& name, const std::string& line) { m_impl->headerLines[name] = line; }

void HttpRequest::setTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds total) {
    m_impl->connectTimeout = std::max(connect, std::chrono::milliseconds(1));
    m_impl->totalTimeout = std::max(total, std::chrono::milliseconds(1));
}

void HttpRequest::setAbandonFlag(const std::atomic<bool>* abandon) { m_impl->abandon = abandon; }

void HttpRequest::setNoProxyHosts(const std::string& hosts) { m_impl->noProxyHosts = hosts; }

HttpResponse HttpRequest::get(const std::string& url) {
    // Once shut-down has begun no new transfer starts, not even its connection.
    if (m_impl->abandon && *m_impl->abandon)
        check(CURLE_ABORTED_BY_CALLBACK);
    CURL* handle = m_impl->handle;
    HttpResponse response;
    curl_easy_setopt(handle, CURLOPT_POST, 0L);
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    const std::optional<std::string> proxy = proxyFor(url);
    // Without a setting libcurl reads the same environment itself; an empty proxy turns its own
    // reading off too.
    curl_easy_setopt(handle, CURLOPT_PROXY, proxy ? proxy->c_str() : nullptr);
    curl_easy_setopt(handle, CURLOPT_NOPROXY, m_impl->noProxyHosts.empty() ? nullptr : m_impl->noProxyHosts.c_str());
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_impl->connectTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(m_impl->totalTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &response);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, collectHeaderLine);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &response);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, m_impl->abandon ? 0L : 1L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, checkAbandon);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, m_impl->abandon);

    curl_slist* headers = nullptr;
    for (const auto& entry : m_impl->headerLines)
        headers = curl_slist_append(headers, entry.second.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
    const CURLcode result = curl_easy_perform(handle);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, nullptr);
    curl_slist_free_all(headers);
    check(result);

    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    response.status = static_cast<int>(status);
    const char* effectiveUrl = nullptr;
    curl_easy_getinfo(handle, CURLINFO_EFFECTIVE_URL, &effectiveUrl);
    response.effectiveUrl = effectiveUrl ? effectiveUrl : "";
    curl_slist* cookies = nullptr;
    curl_easy_getinfo(handle, CURLINFO_COOKIELIST, &cookies);
    for (curl_slist* cookie = cookies; cookie; cookie = cookie->next)
        response.cookies.emplace_back(cookie->data);
    curl_slist_free_all(cookies);
    if (!response.headers.empty() && response.headers.back().empty())
        response.headers.pop_back();
    return response;
}

} // namespace net
