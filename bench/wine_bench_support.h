#pragma once

// Helpers shared by the benchmarks that run the installer under Wine.

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

// A host path as Wine sees it through its Z: drive.
inline std::wstring WindowsPath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c != 0; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

// The middle value (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace bench
