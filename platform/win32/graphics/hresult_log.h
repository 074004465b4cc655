#pragma once

#include <windows.h>

#include <string_view>

// Failure reporting for the COM calls of the drawing services.
namespace platform::win32 {

// Writes "Graphics: <what> failed (0x88990001)" to the log when hr is a failure. Returns SUCCEEDED(hr).
bool LogIfFailed(HRESULT hr, std::u16string_view what) noexcept;

// Writes a line of the drawing services to the log ("Graphics: <text>").
void LogGraphics(std::u16string_view text) noexcept;

// Throws std::runtime_error("<what> failed (0x...)") when hr is a failure.
void ThrowIfFailed(HRESULT hr, std::string_view what);

}  // namespace platform::win32
