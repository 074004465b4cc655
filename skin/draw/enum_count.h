#pragma once

#include <type_traits>

namespace skin {

// The number of members of a drawing enumeration (ordinals 0 to count - 1). Each enumeration specialises it
// beside its declaration; set texts and stored ordinals are checked against it.
template <class E>
struct EnumCount;

template <class E>
inline constexpr int kEnumCount = EnumCount<E>::value;

#define SKIN_ENUM_COUNT(E, N) \
    template <>               \
    struct EnumCount<E> : std::integral_constant<int, N> {}

}  // namespace skin
