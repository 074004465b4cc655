#pragma once

#include <windows.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

// The statistics test server's request log (tests/app/stats_server.py) and the addresses it serves.
namespace app::wine_testing {

inline std::u16string TestEnvironment(const wchar_t* name) {
    wchar_t value[2048] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 2048);
    return length > 0 && length < 2048 ? platform::win32::FromWide(value, length) : std::u16string();
}

// Every request the server has logged so far.
inline std::vector<nlohmann::json> LoggedRequests() {
    std::vector<nlohmann::json> requests;
    std::ifstream log(std::filesystem::path(TestEnvironment(L"VELNIX_TEST_STATS_LOG")));
    std::string line;
    while (std::getline(log, line)) {
        if (!line.empty()) requests.push_back(nlohmann::json::parse(line, nullptr, false));
    }
    return requests;
}

}  // namespace app::wine_testing
