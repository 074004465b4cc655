#pragma once

#include <memory>
#include <string_view>

#include "app/system_services.h"

namespace platform::win32 {

// HTTPS through WinHTTP: one session per request, the request's time-outs and headers, certificate checks
// as the system does them. This file is built twice: into velnix_platform_https for the product, and into
// velnix_platform_https_loopback_test, where a self-signed certificate is accepted from a loopback address
// (127.x.x.x, [::1]) and from nowhere else. An executable links exactly one of the two.
class WinHttpClient final : public app::IHttpClient {
public:
    explicit WinHttpClient(app::ISetupLog& log) : log_(log) {}

    std::optional<app::HttpResponse> Post(const app::HttpRequest& request) override;

    // Whether this build accepts the loopback test server's certificate.
    static bool AcceptsLoopbackTestCertificate();

private:
    app::ISetupLog& log_;
};

// Whether the host name is a literal loopback address: 127.0.0.0/8 in dotted form, or ::1.
bool IsLoopbackHost(std::u16string_view host);

}  // namespace platform::win32
