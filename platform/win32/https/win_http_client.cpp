#include "platform/win32/https/win_http_client.h"

#include <windows.h>
#include <winhttp.h>

#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

#ifndef VELNIX_ACCEPT_LOOPBACK_TEST_CERTIFICATE
#define VELNIX_ACCEPT_LOOPBACK_TEST_CERTIFICATE 0
#endif

namespace platform::win32 {

namespace {

// Closes a WinHTTP handle once.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() {
        if (handle_) WinHttpCloseHandle(handle_);
    }
    HINTERNET Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_;
};

bool IsDecimalOctet(std::u16string_view text) {
    if (text.empty() || text.size() > 3) return false;
    int value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') return false;
        value = value * 10 + (c - u'0');
    }
    return value <= 255;
}

}  // namespace

bool IsLoopbackHost(std::u16string_view host) {
    if (host == u"::1" || host == u"[::1]") return true;
    if (!host.starts_with(u"127.")) return false;
    int octets = 0;
    size_t start = 0;
    while (start <= host.size()) {
        const size_t dot = host.find(u'.', start);
        const std::u16string_view octet =
            host.substr(start, dot == std::u16string_view::npos ? std::u16string_view::npos : dot - start);
        if (!IsDecimalOctet(octet)) return false;
        ++octets;
        if (dot == std::u16string_view::npos) break;
        start = dot + 1;
    }
    return octets == 4;
}

bool WinHttpClient::AcceptsLoopbackTestCertificate() { return VELNIX_ACCEPT_LOOPBACK_TEST_CERTIFICATE != 0; }

std::optional<app::HttpResponse> WinHttpClient::Post(const app::HttpRequest& request) {
    const std::wstring url = Wide(request.Url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) {
        log_.Log(u"HTTP: cannot read the address " + request.Url);
        return std::nullopt;
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;

    std::wstring userAgent;
    std::wstring headers;
    for (const auto& [name, value] : request.Headers) {
        if (name == u"User-Agent") {
            userAgent = Wide(value);
        } else {
            headers += Wide(name) + L": " + Wide(value) + L"\r\n";
        }
    }

    auto fail = [this, &request](std::u16string_view step) -> std::optional<app::HttpResponse> {
        log_.Log(u"HTTP: POST " + request.Url + u": " + std::u16string(step) + u" failed (error " +
                 DecimalText(GetLastError()) + u")");
        return std::nullopt;
    };

    InternetHandle session(WinHttpOpen(userAgent.c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return fail(u"WinHttpOpen");
    // Name resolution has no time-out of its own (0: the system's); connect, send and receive have the request's.
    if (!WinHttpSetTimeouts(session.Get(), 0, request.ConnectTimeoutMs, request.SendTimeoutMs,
                            request.ResponseTimeoutMs)) {
        return fail(u"WinHttpSetTimeouts");
    }
    InternetHandle connection(WinHttpConnect(session.Get(), host.c_str(), parts.nPort, 0));
    if (!connection) return fail(u"WinHttpConnect");
    InternetHandle handle(WinHttpOpenRequest(connection.Get(), L"POST", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                             WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0));
    if (!handle) return fail(u"WinHttpOpenRequest");

    if (VELNIX_ACCEPT_LOOPBACK_TEST_CERTIFICATE && secure && IsLoopbackHost(FromWide(host))) {
        DWORD flags = SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_CN_INVALID |
                      SECURITY_FLAG_IGNORE_CERT_DATE_INVALID | SECURITY_FLAG_IGNORE_CERT_WRONG_USAGE;
        if (!WinHttpSetOption(handle.Get(), WINHTTP_OPTION_SECURITY_FLAGS, &flags, sizeof(flags))) {
            return fail(u"accepting the loopback test certificate");
        }
    }

    if (!headers.empty() && !WinHttpAddRequestHeaders(handle.Get(), headers.c_str(), static_cast<DWORD>(-1L),
                                                      WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
        return fail(u"WinHttpAddRequestHeaders");
    }
    const auto bodySize = static_cast<DWORD>(request.Body.size());
    if (!WinHttpSendRequest(handle.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            bodySize ? const_cast<char*>(request.Body.data()) : WINHTTP_NO_REQUEST_DATA, bodySize,
                            bodySize, 0)) {
        return fail(u"WinHttpSendRequest");
    }
    if (!WinHttpReceiveResponse(handle.Get(), nullptr)) return fail(u"WinHttpReceiveResponse");

    DWORD status = 0;
    DWORD statusSize = sizeof(status);
    if (!WinHttpQueryHeaders(handle.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize, WINHTTP_NO_HEADER_INDEX)) {
        return fail(u"WinHttpQueryHeaders");
    }
    app::HttpResponse response;
    response.Status = static_cast<int>(status);
    for (;;) {
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(handle.Get(), &available)) return fail(u"WinHttpQueryDataAvailable");
        if (available == 0) break;
        std::vector<char> chunk(available);
        DWORD read = 0;
        if (!WinHttpReadData(handle.Get(), chunk.data(), available, &read)) return fail(u"WinHttpReadData");
        if (read == 0) break;
        response.Body.append(chunk.data(), read);
    }
    log_.Log(u"HTTP: POST " + request.Url + u": status " + DecimalText(status) + u", " +
             DecimalText(response.Body.size()) + u" bytes");
    return response;
}

}  // namespace platform::win32
