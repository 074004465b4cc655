#pragma once

#include <cstdint>
#include <string>
#include <string_view>


#include "app/json_text.h"
#include "app/setup_state.h"
#include "app/system_services.h"
#include "ui/json_value.h"

// The usage reports posted to the statistics server.
namespace app {

enum class ReportKind { Install, UpdateInstall, Uninstall };

// "/stat/install/", "/stat/updateinstall/", "/stat/uninstall/".
std::u16string_view ReportPath(ReportKind kind);

// The hash input: LanguageTag, ChannelTag, InstallId, SetupVersion, the decimal ts and "Velnix", joined, as
// UTF-8.
std::string ReportHashInput(const TSetupState& identity, int64_t ts);

// 40 lower-case hexadecimal digits.
std::string HexDigest(const Sha1Digest& digest);

// The request body: lang, fl, uuid, version, ts and hash, in this order. The hash is empty when SHA-1 failed.
JsonObject BuildUsageReport(const TSetupState& identity, int64_t ts, SetupServices& services);

// Sends the request as JSON text (UTF-8) by POST with the report's headers and time-outs and parses the answer
// into answer. The HTTP status when the answer is a JSON object, 0 otherwise or on any failure. Never throws.
int PostJson(std::u16string_view url, const JsonObject& request, ui::JsonValue& answer,
             SetupServices& services) noexcept;

// Builds the report from the identity values at this moment and posts it; the answer is ignored. Never throws.
void SendUsageReport(ReportKind kind, const TSetupState& identity, SetupServices& services) noexcept;

// Queues SendUsageReport on the shared pool with a copy of the identity values taken now, counted in
// services.Reports until it has run.
void StartUsageReport(ReportKind kind, const TSetupState& state, SetupServices& services);

// How long a sequence that ends the process waits at most for the reports still in flight: 50 polls of 100 ms.
constexpr int kReportGracePolls = 50;
constexpr uint32_t kReportGracePollMs = 100;

// Waits, polling with services.Process.Sleep, until no report is in flight or the grace time is over; a report
// still running then is cut off by the process end (and logged).
void WaitForUsageReports(SetupServices& services);

}  // namespace app
