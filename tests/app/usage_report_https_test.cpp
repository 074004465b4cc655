// The usage report over real HTTPS (WinHTTP under Wine) against the statistics test server, with the build of
// the HTTPS client that accepts the server's self-signed certificate on a loopback address.
#include <windows.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "app/usage_report.h"
#include "platform/win32/https/win_http_client.h"
#include "tests/app/stats_log.h"
#include "tests/app/win32_sandbox.h"
#include "ui/text.h"

namespace app {
namespace {

using wine_testing::LoggedRequests;
using wine_testing::TestEnvironment;

class UsageReportHttpsTest : public ::testing::Test {
protected:
    void SetUp() override {
        serverUrl = TestEnvironment(L"VELNIX_TEST_STATS_URL");
        ASSERT_FALSE(serverUrl.empty()) << "run through tests/app/stats_server.py";
        sandbox = std::make_unique<wine_testing::Sandbox>(wine_testing::NewSandboxRoot(u"https"),
                                                          SetupSettings{serverUrl, u"https://velnix.app"});
        identity.ChannelTag = u"web";
        identity.InstallId = u"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
        identity.SetupVersion = u"2.0";
    }
    void TearDown() override { sandbox->Services().Files.DeleteTree(sandbox->Root()); }

    std::vector<nlohmann::json> RequestsTo(const std::string& path) {
        std::vector<nlohmann::json> found;
        for (const nlohmann::json& request : LoggedRequests()) {
            if (request.is_object() && request.value("path", "") == path) found.push_back(request);
        }
        return found;
    }

    // Posts a report to the server at baseUrl, expects 0 (no answer) and gives the milliseconds it took.
    ULONGLONG MillisecondsToAFailedReport(const std::u16string& baseUrl) {
        JsonObject request;
        ui::JsonValue answer = ui::JsonValue::MakeObject();
        const ULONGLONG start = GetTickCount64();
        EXPECT_EQ(PostJson(baseUrl + u"/stat/install/", request, answer, sandbox->Services()), 0);
        return GetTickCount64() - start;
    }

    std::u16string serverUrl;
    std::unique_ptr<wine_testing::Sandbox> sandbox;
    TSetupState identity;
};

TEST_F(UsageReportHttpsTest, TheReportArrivesWithItsPathHeadersBodyAndHash) {
    SendUsageReport(ReportKind::Install, identity, sandbox->Services());

    const std::vector<nlohmann::json> requests = RequestsTo("/stat/install/");
    ASSERT_EQ(requests.size(), 1u);
    const nlohmann::json& request = requests[0];
    EXPECT_EQ(request["headers"].value("User-Agent", ""),
              "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Velnix");
    EXPECT_EQ(request["headers"].value("Content-Type", ""), "application/json;charset=UTF-8");
    EXPECT_TRUE(request.value("hash_ok", false));
    // Byte for byte the body the report writer makes for the time stamp it used.
    const nlohmann::json body = nlohmann::json::parse(request.value("body", ""));
    const int64_t ts = body.value("ts", int64_t{0});
    EXPECT_LE(std::llabs(ts - sandbox->Services().Process.LocalUnixSeconds()), 60);
    EXPECT_EQ(request.value("body", ""), WriteJsonText(BuildUsageReport(identity, ts, sandbox->Services())));
}

TEST_F(UsageReportHttpsTest, ANonAsciiChannelIsEscapedInTheBodyAndHashedAsUtf8) {
    identity.ChannelTag = u"caf\u00E9-\u65E5\u672C";
    SendUsageReport(ReportKind::Uninstall, identity, sandbox->Services());
    const std::vector<nlohmann::json> requests = RequestsTo("/stat/uninstall/");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(requests[0].value("body", "").find("\"fl\":\"caf\\u00E9-\\u65E5\\u672C\""), std::string::npos);
    EXPECT_TRUE(requests[0].value("hash_ok", false));
}

TEST_F(UsageReportHttpsTest, PostJsonGivesTheStatusOfAJsonAnswerAndZeroOtherwise) {
    JsonObject request;
    request.Add(u"lang", u"");
    ui::JsonValue answer = ui::JsonValue::MakeObject();
    EXPECT_EQ(PostJson(serverUrl + u"/stat/updateinstall/", request, answer, sandbox->Services()), 200);
    ASSERT_NE(answer.Find("code"), nullptr);
    EXPECT_EQ(*answer.Find("code"), ui::JsonValue(0));

    ui::JsonValue html = ui::JsonValue::MakeObject();
    EXPECT_EQ(PostJson(serverUrl + u"/html502/", request, html, sandbox->Services()), 0);
    EXPECT_EQ(RequestsTo("/html502/").size(), 1u);
}

TEST_F(UsageReportHttpsTest, AServerThatIsDownGivesZeroWithinTheConnectionTimeOut) {
    const std::u16string down = TestEnvironment(L"VELNIX_TEST_STATS_DOWN_URL");
    ASSERT_FALSE(down.empty());
    EXPECT_LT(MillisecondsToAFailedReport(down), 20000u);
}

TEST_F(UsageReportHttpsTest, AServerThatNeverAnswersTheConnectionGivesZeroAtTheConnectionTimeOut) {
    // Connecting there neither succeeds nor fails: only the 15 s connection time-out ends the attempt (the
    // client's own default would wait 60 s).
    const std::u16string silent = TestEnvironment(L"VELNIX_TEST_STATS_SILENT_URL");
    ASSERT_FALSE(silent.empty());
    const ULONGLONG elapsed = MillisecondsToAFailedReport(silent);
    EXPECT_GE(elapsed, 10000u) << "the connection did not hang: the fixture does not hold connections back";
    EXPECT_LT(elapsed, 40000u);
}

TEST(HttpsClientBuildTest, OnlyLiteralLoopbackHostsAreLoopback) {
    EXPECT_TRUE(platform::win32::WinHttpClient::AcceptsLoopbackTestCertificate());
    const struct {
        std::u16string host;
        bool loopback;
    } cases[] = {
        {u"127.0.0.1", true},
        {u"127.1.2.3", true},
        {u"::1", true},
        {u"[::1]", true},
        {u"localhost", false},
        {u"127.0.0.1.nip.io", false},
        {u"127.0.0", false},
        {u"127.0.0.256", false},
        {u"128.0.0.1", false},
        {u"stats.velnix.app", false},
        {u"127.0.0.1:8443", false},
        {u"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::win32::IsLoopbackHost(c.host), c.loopback) << ui::Utf16ToUtf8(c.host);
    }
}

}  // namespace
}  // namespace app
