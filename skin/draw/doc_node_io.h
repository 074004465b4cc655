#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "skin/core/skin_enum.h"
#include "skin/persist/bt_node20.h"
#include "ui/geometry.h"

namespace skin {

// Writing and reading the named child nodes drawing objects store themselves in. Readers look a child up by
// its exact name (the first of that name); a missing child gives nothing. A child of that name but another
// kind, an ordinal outside its enumeration and a number that is not finite are written to the debug log and
// give nothing too, so the value keeps what it held.

void WriteTextNode(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, std::u16string_view value);
void WriteInt32Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, int32_t value);
void WriteUInt8Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, uint8_t value);
void WriteReal64Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, double value);
void WriteBool32Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, bool value);
TBTNode20_Color& WriteColorNode(TBTNode20& parent, std::u16string_view name, std::u16string_view caption);
// A class node whose children the caller fills.
TBTNode20_Class& WriteClassNode(TBTNode20& parent, std::u16string_view name, std::u16string_view caption);
// Sets the class name of a class node (nothing for a node of another kind).
void SetNodeClassName(TBTNode20& node, std::u16string_view className);

// The child of that name and kind (nullptr when missing or of another kind).
TBTNode20* FindChildNode(TBTNode20& parent, std::u16string_view name, BTNodeType type);
std::optional<std::u16string> ReadTextNode(TBTNode20& parent, std::u16string_view name);
std::optional<int32_t> ReadInt32Node(TBTNode20& parent, std::u16string_view name);
std::optional<uint8_t> ReadUInt8Node(TBTNode20& parent, std::u16string_view name);
std::optional<double> ReadReal64Node(TBTNode20& parent, std::u16string_view name);
std::optional<bool> ReadBool32Node(TBTNode20& parent, std::u16string_view name);
TBTNode20_Color* FindColorNode(TBTNode20& parent, std::u16string_view name);
TBTNode20* FindClassNode(TBTNode20& parent, std::u16string_view name);

// An Int32 node holding an ordinal of E.
std::optional<int32_t> ReadOrdinalNode(TBTNode20& parent, std::u16string_view name, int memberCount);
template <class E>
std::optional<E> ReadEnumNode(TBTNode20& parent, std::u16string_view name) {
    const std::optional<int32_t> ordinal = ReadOrdinalNode(parent, name, kEnumCount<E>);
    if (!ordinal) return std::nullopt;
    return static_cast<E>(*ordinal);
}
template <class E>
void WriteEnumNode(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, E value) {
    WriteInt32Node(parent, name, caption, static_cast<int32_t>(value));
}

}  // namespace skin
