#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/core/skin_enum.h"
#include "ui/enum_set.h"

namespace skin {

// Set text, the stored form of a set of enumeration values: the decimal ordinal of every member in ascending
// order, each followed by a comma ("0,1," for ordinals 0 and 1, "1," for 1 alone, "" for the empty set).
std::u16string SetBitsToText(uint64_t bits);

// Reads a set text: items are separated by commas and blanks; empty items, items that are not decimal numbers
// and ordinals outside 0..memberCount-1 are skipped. "1, 7, x, , 0" read with 2 members gives ordinals 0 and 1.
uint64_t SetBitsFromText(std::u16string_view text, int memberCount);

template <class E>
std::u16string SetToText(ui::EnumSet<E> set) {
    return SetBitsToText(set.Bits());
}

template <class E>
ui::EnumSet<E> SetFromText(std::u16string_view text) {
    return ui::EnumSet<E>::FromBits(SetBitsFromText(text, kEnumCount<E>));
}

}  // namespace skin
