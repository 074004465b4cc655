#pragma once

#include <cstdint>
#include <initializer_list>

namespace ui {

// A set of the values of an enumeration with at most 64 members (ordinals 0 to 63), as published set
// properties hold them.
template <class E>
class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> members) {
        for (E member : members) Include(member);
    }

    static constexpr EnumSet FromBits(uint64_t bits) {
        EnumSet set;
        set.bits_ = bits;
        return set;
    }
    constexpr uint64_t Bits() const { return bits_; }

    constexpr bool Contains(E member) const { return (bits_ & Bit(member)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr EnumSet& Include(E member) {
        bits_ |= Bit(member);
        return *this;
    }
    constexpr EnumSet& Exclude(E member) {
        bits_ &= ~Bit(member);
        return *this;
    }

    friend constexpr EnumSet operator|(EnumSet a, EnumSet b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr EnumSet operator&(EnumSet a, EnumSet b) { return FromBits(a.bits_ & b.bits_); }
    friend constexpr EnumSet operator-(EnumSet a, EnumSet b) { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr bool operator==(EnumSet a, EnumSet b) = default;

private:
    static constexpr uint64_t Bit(E member) { return uint64_t{1} << static_cast<unsigned>(member); }

    uint64_t bits_ = 0;
};

}  // namespace ui
