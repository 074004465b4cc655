// The product's HTTPS client checks certificates: the statistics test server's self-signed one is refused,
// loopback address or not, and the request never reaches the server.
#include <gtest/gtest.h>

#include "app/usage_report.h"
#include "platform/win32/https/win_http_client.h"
#include "tests/app/stats_log.h"
#include "tests/app/win32_sandbox.h"

namespace app {
namespace {

TEST(HttpsCertificateTest, TheProductRefusesTheSelfSignedCertificate) {
    EXPECT_FALSE(platform::win32::WinHttpClient::AcceptsLoopbackTestCertificate());
    const std::u16string serverUrl = wine_testing::TestEnvironment(L"VELNIX_TEST_STATS_URL");
    ASSERT_FALSE(serverUrl.empty()) << "run through tests/app/stats_server.py";
    wine_testing::Sandbox sandbox(wine_testing::NewSandboxRoot(u"https-strict"),
                                  SetupSettings{serverUrl, u"https://velnix.app"});
    TSetupState identity;
    identity.InstallId = u"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
    SendUsageReport(ReportKind::Install, identity, sandbox.Services());
    JsonObject request;
    ui::JsonValue answer = ui::JsonValue::MakeObject();
    EXPECT_EQ(PostJson(serverUrl + u"/stat/install/", request, answer, sandbox.Services()), 0);
    EXPECT_TRUE(wine_testing::LoggedRequests().empty());
    sandbox.Services().Files.DeleteTree(sandbox.Root());
}

}  // namespace
}  // namespace app
