#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace skin {

// A skin enumeration is declared once, together with the names its members are published and stored under:
//
//   SKIN_ENUM(TDRPLinePosition, lpLeft, lpTop, lpRight, lpBottom);
//
// declares enum class TDRPLinePosition : uint8_t { lpLeft, lpTop, lpRight, lpBottom } and, from the same list,
//   kEnumNames<TDRPLinePosition>  the member names by ordinal, as a property table takes them
//                                 (.Enumeration<E>(u"LinePosition", kEnumNames<E>, ...), .Set<E>(...) alike);
//   kEnumCount<TDRPLinePosition>  4, the range stored ordinals and set texts are checked against.
// Members are plain names numbered from 0 (a member with a value of its own does not compile). Use it in
// namespace skin.
template <class E>
struct EnumDeclaration;

namespace enum_detail {

constexpr bool IsNameChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

// The number of names in a member list as the preprocessor spells it ("lpLeft, lpTop"; a trailing comma is
// allowed). Anything but names, commas and blanks stops the compilation.
constexpr size_t CountNames(std::u16string_view list) {
    size_t count = 0;
    bool inName = false;
    for (const char16_t c : list) {
        if (IsNameChar(c)) {
            if (!inName) ++count;
            inName = true;
        } else if (c == u',' || c == u' ') {
            inName = false;
        } else {
            throw "SKIN_ENUM takes plain member names";
        }
    }
    return count;
}

template <size_t N>
constexpr std::array<std::u16string_view, N> SplitNames(std::u16string_view list) {
    std::array<std::u16string_view, N> names{};
    size_t count = 0;
    for (size_t i = 0; i < list.size();) {
        if (!IsNameChar(list[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < list.size() && IsNameChar(list[end])) ++end;
        names[count++] = list.substr(i, end - i);
        i = end;
    }
    return names;
}

// The names as a list with static storage (a property table takes an initializer list).
template <class E, class Ordinals>
inline constexpr std::initializer_list<std::u16string_view> kNameList{};
template <class E, size_t... I>
inline constexpr std::initializer_list<std::u16string_view> kNameList<E, std::index_sequence<I...>> = {
    EnumDeclaration<E>::kNames[I]...};

}  // namespace enum_detail

template <class E>
inline constexpr std::initializer_list<std::u16string_view> kEnumNames =
    enum_detail::kNameList<E, std::make_index_sequence<EnumDeclaration<E>::kNames.size()>>;

template <class E>
inline constexpr int kEnumCount = static_cast<int>(kEnumNames<E>.size());

#define SKIN_ENUM(E, ...)                                                                              \
    enum class E : uint8_t { __VA_ARGS__ };                                                            \
    template <>                                                                                        \
    struct EnumDeclaration<E> {                                                                        \
        static constexpr std::u16string_view kList = u"" #__VA_ARGS__;                                 \
        static constexpr auto kNames = enum_detail::SplitNames<enum_detail::CountNames(kList)>(kList); \
    }

}  // namespace skin
