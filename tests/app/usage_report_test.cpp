#include <gtest/gtest.h>

#include <string>

#include "app/json_text.h"
#include "app/usage_report.h"
#include "tests/app/fake_system.h"

namespace app {
namespace {

using testing::FakeSystem;
using testing::U8;

TEST(JsonTextTest, EscapesExactlyAsTheReportFormatSays) {
    const struct {
        std::u16string text;
        std::string escaped;
    } cases[] = {
        {u"", ""},
        {u"plain text 123", "plain text 123"},
        {u"\b\t\n\f\r", "\\b\\t\\n\\f\\r"},
        {u"say \"hi\"", "say \\\"hi\\\""},
        {u"a/b", "a\\/b"},
        {u"C:\\Apps", "C:\\\\Apps"},
        {std::u16string(1, u'\x01') + u"\x1F" + std::u16string(1, u'\0'), "\\u0001\\u001F\\u0000"},
        {u"\x0B", "\\u000B"},          // vertical tab has no short escape
        {u"\x7F", "\x7F"},             // 127 is not above 127
        {u"caf\u00E9", "caf\\u00E9"},  // upper-case hexadecimal digits
        {u"\u65E5\u672C", "\\u65E5\\u672C"},
        {u"\U0001F600", "\\uD83D\\uDE00"},  // each UTF-16 code unit on its own
        {u"\uFFFF", "\\uFFFF"},
        {u"'<>&", "'<>&"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeJsonText(c.text), c.escaped) << U8(c.text);
}

TEST(JsonTextTest, WritesMembersInOrderWithoutWhiteSpace) {
    JsonObject object;
    EXPECT_EQ(WriteJsonText(object), "{}");
    object.Add(u"lang", u"");
    object.Add(u"ts", int64_t{-42});
    object.Add(u"k/\"", u"v");
    EXPECT_EQ(WriteJsonText(object), "{\"lang\":\"\",\"ts\":-42,\"k\\/\\\"\":\"v\"}");
    // Adding a present key replaces its value where it stands.
    object.Add(u"lang", u"en");
    EXPECT_EQ(WriteJsonText(object), "{\"lang\":\"en\",\"ts\":-42,\"k\\/\\\"\":\"v\"}");
}

class UsageReportTest : public ::testing::Test {
protected:
    UsageReportTest() {
        identity.ChannelTag = u"web";
        identity.InstallId = u"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
        identity.SetupVersion = u"2.0";
    }

    FakeSystem system;
    TSetupState identity;
};

TEST_F(UsageReportTest, PostsTheBodyWithHeadersAndTimeOutsToTheKindsPath) {
    SendUsageReport(ReportKind::Install, identity, system.Services());

    ASSERT_EQ(system.httpRequests.size(), 1u);
    const HttpRequest& request = system.httpRequests[0];
    EXPECT_EQ(U8(request.Url), "https://stats.example/stat/install/");
    EXPECT_EQ(request.Body,
              "{\"lang\":\"\",\"fl\":\"web\",\"uuid\":\"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}\",\"version\":\"2.0\","
              "\"ts\":1700000000,\"hash\":\"000102030405060708090a0b0c0d0e0f10111213\"}");
    ASSERT_EQ(request.Headers.size(), 2u);
    EXPECT_EQ(U8(request.Headers[0].first), "User-Agent");
    EXPECT_EQ(U8(request.Headers[0].second),
              "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Velnix");
    EXPECT_EQ(U8(request.Headers[1].first), "Content-Type");
    EXPECT_EQ(U8(request.Headers[1].second), "application/json;charset=UTF-8");
    EXPECT_EQ(request.ConnectTimeoutMs, 15000);
    EXPECT_EQ(request.SendTimeoutMs, 30000);
    EXPECT_EQ(request.ResponseTimeoutMs, 60000);
    // The hash input starts with the channel tag, the language tag being empty.
    ASSERT_EQ(system.hashInputs.size(), 1u);
    EXPECT_EQ(system.hashInputs[0], "web{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}2.01700000000Velnix");
}

TEST_F(UsageReportTest, EachKindHasItsPath) {
    EXPECT_EQ(U8(ReportPath(ReportKind::Install)), "/stat/install/");
    EXPECT_EQ(U8(ReportPath(ReportKind::UpdateInstall)), "/stat/updateinstall/");
    EXPECT_EQ(U8(ReportPath(ReportKind::Uninstall)), "/stat/uninstall/");
}

TEST_F(UsageReportTest, NonAsciiTagIsEscapedInTheBodyAndHashedAsUtf8) {
    identity.ChannelTag = u"caf\u00E9";
    system.localSeconds = -5;
    SendUsageReport(ReportKind::Uninstall, identity, system.Services());

    ASSERT_EQ(system.httpRequests.size(), 1u);
    EXPECT_NE(system.httpRequests[0].Body.find("\"fl\":\"caf\\u00E9\""), std::string::npos);
    EXPECT_NE(system.httpRequests[0].Body.find("\"ts\":-5,"), std::string::npos);
    EXPECT_EQ(system.hashInputs[0], "caf\xC3\xA9{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}2.0-5Velnix");
}

TEST_F(UsageReportTest, PostJsonGivesTheStatusOnlyForAJsonObjectAnswer) {
    const struct {
        const char* name;
        std::optional<HttpResponse> answer;
        int status;
    } cases[] = {
        {"JSON object", HttpResponse{200, "{\"ok\":true,\"n\":[1,2]}"}, 200},
        {"JSON object with another status", HttpResponse{404, "{}"}, 404},
        {"UTF-8 byte-order mark", HttpResponse{201, "\xEF\xBB\xBF{\"a\":\"\xC3\xA9\"}"}, 201},
        {"HTML error page", HttpResponse{502, "<html><body>Bad Gateway</body></html>"}, 0},
        {"empty body", HttpResponse{204, ""}, 0},
        {"JSON but not an object", HttpResponse{200, "[1,2,3]"}, 0},
        {"invalid UTF-8 in a string", HttpResponse{200, "{\"a\":\"\xFF\"}"}, 0},
        {"no answer at all", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        system.httpAnswer = c.answer;
        ui::JsonValue answer = ui::JsonValue::MakeObject();
        JsonObject request;
        request.Add(u"x", u"y");
        EXPECT_EQ(PostJson(u"https://stats.example/stat/install/", request, answer, system.Services()), c.status)
            << c.name;
        if (c.status != 0) {
            EXPECT_TRUE(answer.IsObject()) << c.name;
        } else {
            EXPECT_EQ(answer, ui::JsonValue::MakeObject()) << c.name;
        }
    }
}

TEST_F(UsageReportTest, AFailedHashLeavesTheHashEmptyAndStillReports) {
    system.digest.reset();
    struct FailingCrypto final : ICrypto {
        std::optional<Sha1Digest> Sha1(std::string_view) override { return std::nullopt; }
    } failing;
    SetupServices services{system.Services().Settings,
                           system,
                           system,
                           system,
                           system,
                           system,
                           system,
                           failing,
                           system,
                           system,
                           system,
                           system,
                           system,
                           system};
    SendUsageReport(ReportKind::Install, identity, services);
    ASSERT_EQ(system.httpRequests.size(), 1u);
    EXPECT_NE(system.httpRequests[0].Body.find("\"hash\":\"\"}"), std::string::npos);
    EXPECT_FALSE(system.logLines.empty());
}

TEST_F(UsageReportTest, StartUsageReportSendsTheIdentityOfTheMomentItWasStarted) {
    StartUsageReport(ReportKind::UpdateInstall, identity, system.Services());
    EXPECT_TRUE(system.httpRequests.empty());
    identity.ChannelTag = u"changed later";
    identity.InstallDir = u"C:\\Apps\\Velnix\\";
    system.RunQueuedTasks();

    ASSERT_EQ(system.httpRequests.size(), 1u);
    EXPECT_EQ(U8(system.httpRequests[0].Url), "https://stats.example/stat/updateinstall/");
    EXPECT_NE(system.httpRequests[0].Body.find("\"fl\":\"web\""), std::string::npos);
}

}  // namespace
}  // namespace app
