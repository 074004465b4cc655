#include "app/usage_report.h"

#include <exception>
#include <memory>

#include "ui/text.h"

namespace app {

namespace {

constexpr std::u16string_view kUserAgent =
    u"Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Velnix";
constexpr std::u16string_view kContentType = u"application/json;charset=UTF-8";
constexpr int kConnectTimeoutMs = 15000;
constexpr int kSendTimeoutMs = 30000;
constexpr int kResponseTimeoutMs = 60000;

std::u16string AsciiToUtf16(std::string_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

std::u16string_view ReportPath(ReportKind kind) {
    switch (kind) {
        case ReportKind::Install:
            return u"/stat/install/";
        case ReportKind::UpdateInstall:
            return u"/stat/updateinstall/";
        case ReportKind::Uninstall:
            return u"/stat/uninstall/";
    }
    return u"/stat/install/";
}

std::string ReportHashInput(const TSetupState& identity, int64_t ts) {
    std::u16string text = identity.LanguageTag + identity.ChannelTag + identity.InstallId + identity.SetupVersion;
    text += AsciiToUtf16(std::to_string(ts));
    text += u"Velnix";
    return ui::Utf16ToUtf8(text);
}

std::string HexDigest(const Sha1Digest& digest) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(digest.size() * 2);
    for (const uint8_t byte : digest) {
        out.push_back(kHex[byte >> 4]);
        out.push_back(kHex[byte & 0xF]);
    }
    return out;
}

JsonObject BuildUsageReport(const TSetupState& identity, int64_t ts, SetupServices& services) {
    JsonObject request;
    request.Add(u"lang", identity.LanguageTag);
    request.Add(u"fl", identity.ChannelTag);
    request.Add(u"uuid", identity.InstallId);
    request.Add(u"version", identity.SetupVersion);
    request.Add(u"ts", ts);
    std::u16string hash;
    if (std::optional<Sha1Digest> digest = services.Crypto.Sha1(ReportHashInput(identity, ts))) {
        hash = AsciiToUtf16(HexDigest(*digest));
    } else {
        services.Log.Log(u"Setup: SHA-1 of the usage report failed");
    }
    request.Add(u"hash", hash);
    return request;
}

int PostJson(std::u16string_view url, const JsonObject& request, ui::JsonValue& answer,
             SetupServices& services) noexcept {
    try {
        HttpRequest http;
        http.Url = std::u16string(url);
        http.Headers = {{u"User-Agent", std::u16string(kUserAgent)}, {u"Content-Type", std::u16string(kContentType)}};
        http.Body = WriteJsonText(request);
        http.ConnectTimeoutMs = kConnectTimeoutMs;
        http.SendTimeoutMs = kSendTimeoutMs;
        http.ResponseTimeoutMs = kResponseTimeoutMs;
        std::optional<HttpResponse> response = services.Http.Post(http);
        if (!response) {
            services.Log.Log(u"Setup: no answer from " + http.Url);
            return 0;
        }
        std::optional<ui::JsonValue> parsed = ui::ParseJson(response->Body);
        if (!parsed || !parsed->IsObject()) {
            services.Log.Log(u"Setup: the answer of " + http.Url + u" with status " +
                             AsciiToUtf16(std::to_string(response->Status)) + u" is not a JSON object");
            return 0;
        }
        answer = std::move(*parsed);
        return response->Status;
    } catch (const std::exception& error) {
        services.Log.Log(u"Setup: PostJson failed: " + ui::Utf8ToUtf16(error.what()));
    } catch (...) {
        services.Log.Log(u"Setup: PostJson failed");
    }
    return 0;
}

void SendUsageReport(ReportKind kind, const TSetupState& identity, SetupServices& services) noexcept {
    try {
        const int64_t ts = services.Process.LocalUnixSeconds();
        const JsonObject request = BuildUsageReport(identity, ts, services);
        ui::JsonValue answer = ui::JsonValue::MakeObject();
        const std::u16string url = services.Settings.StatsBaseUrl + std::u16string(ReportPath(kind));
        const int status = PostJson(url, request, answer, services);
        services.Log.Log(u"Setup: usage report " + url + u" status " + AsciiToUtf16(std::to_string(status)));
    } catch (const std::exception& error) {
        services.Log.Log(u"Setup: usage report failed: " + ui::Utf8ToUtf16(error.what()));
    } catch (...) {
        services.Log.Log(u"Setup: usage report failed");
    }
}

void StartUsageReport(ReportKind kind, const TSetupState& state, SetupServices& services) {
    TSetupState identity;
    identity.LanguageTag = state.LanguageTag;
    identity.ChannelTag = state.ChannelTag;
    identity.InstallId = state.InstallId;
    identity.SetupVersion = state.SetupVersion;
    SetupServices* shared = &services;
    // The ticket goes with the task: when it has run, or when the pool drops it unrun.
    auto ticket = std::make_shared<ReportsInFlight::Ticket>(services.Reports.Start());
    const bool queued = services.Pool.Submit(
        [kind, identity = std::move(identity), shared, ticket] { SendUsageReport(kind, identity, *shared); });
    if (!queued) services.Log.Log(u"Setup: the usage report could not be queued");
}

void WaitForUsageReports(SetupServices& services) {
    for (int poll = 0; poll < kReportGracePolls && services.Reports.Count() > 0; ++poll) {
        services.Process.Sleep(kReportGracePollMs);
    }
    if (services.Reports.Count() > 0) services.Log.Log(u"Setup: a usage report is still in flight and is cut off");
}

}  // namespace app
