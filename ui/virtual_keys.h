#pragma once

#include <cstdint>

// The virtual-key codes the framework's controls act on, as the Windows host delivers them in key events.
namespace ui::vk {

inline constexpr uint16_t kTab = 0x09;
inline constexpr uint16_t kReturn = 0x0D;
inline constexpr uint16_t kEscape = 0x1B;
inline constexpr uint16_t kSpace = 0x20;
inline constexpr uint16_t kPrior = 0x21;  // Page Up
inline constexpr uint16_t kNext = 0x22;   // Page Down
inline constexpr uint16_t kEnd = 0x23;
inline constexpr uint16_t kHome = 0x24;
inline constexpr uint16_t kLeft = 0x25;
inline constexpr uint16_t kUp = 0x26;
inline constexpr uint16_t kRight = 0x27;
inline constexpr uint16_t kDown = 0x28;
inline constexpr uint16_t kF4 = 0x73;

}  // namespace ui::vk
