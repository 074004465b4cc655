#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace platform::win32 {

// The bytes of the executable's raw-data (RCDATA) resource of that name, matched without regard to letter
// case; empty when there is none. The bytes live as long as the process.
std::span<const std::byte> FindProgramResource(std::u16string_view name);

}  // namespace platform::win32
