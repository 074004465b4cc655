#include "skin/draw/doc_node_io.h"

#include <cmath>
#include <string>

#include "skin/core/base_log.h"

namespace skin {

namespace {

std::u16string Number(int64_t value) {
    std::u16string text;
    for (char c : std::to_string(value)) text.push_back(static_cast<char16_t>(c));
    return text;
}

std::u16string NodePlace(const TBTNode20& parent, std::u16string_view name) {
    std::u16string text = u"\"";
    text.append(parent.NodeName()).append(u"\\").append(name).append(u"\"");
    return text;
}

}  // namespace

void WriteTextNode(TBTNode20& parent, std::u16string_view name, std::u16string_view caption,
                   std::u16string_view value) {
    parent.AddChildNode_WideString(name, caption)->SetValue(value);
}

void WriteInt32Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, int32_t value) {
    parent.AddChildNode_Int32(name, caption)->SetValue(value);
}

void WriteUInt8Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, uint8_t value) {
    parent.AddChildNode_UInt8(name, caption)->SetValue(value);
}

void WriteReal64Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, double value) {
    parent.AddChildNode_Real64(name, caption)->SetValue(value);
}

void WriteBool32Node(TBTNode20& parent, std::u16string_view name, std::u16string_view caption, bool value) {
    parent.AddChildNode_Bool32(name, caption)->SetValue(value);
}

TBTNode20_Color& WriteColorNode(TBTNode20& parent, std::u16string_view name, std::u16string_view caption) {
    return *parent.AddChildNode_Color(name, caption);
}

TBTNode20_Class& WriteClassNode(TBTNode20& parent, std::u16string_view name, std::u16string_view caption) {
    return *parent.AddChildNode_Class(name, caption);
}

void SetNodeClassName(TBTNode20& node, std::u16string_view className) {
    if (TBTNode20_Class* classNode = node.ConvertNode_Class()) classNode->SetValue(className);
}

TBTNode20* FindChildNode(TBTNode20& parent, std::u16string_view name, BTNodeType type) {
    TBTNode20* node = parent.FindChildNodeByName(name);
    if (node == nullptr) return nullptr;
    if (node->NodeType() != type) {
        DebugLog(u"LoadFromDocNode: node " + NodePlace(parent, name) + u" has the type code " +
                 Number(static_cast<int>(node->NodeType())) + u" instead of " + Number(static_cast<int>(type)) +
                 u"; ignored");
        return nullptr;
    }
    return node;
}

std::optional<std::u16string> ReadTextNode(TBTNode20& parent, std::u16string_view name) {
    TBTNode20* node = FindChildNode(parent, name, BTNodeType::WideString);
    if (node == nullptr) return std::nullopt;
    return node->ConvertNode_WideString()->Value();
}

std::optional<int32_t> ReadInt32Node(TBTNode20& parent, std::u16string_view name) {
    TBTNode20* node = FindChildNode(parent, name, BTNodeType::Int32);
    if (node == nullptr) return std::nullopt;
    return node->ConvertNode_Int32()->Value();
}

std::optional<uint8_t> ReadUInt8Node(TBTNode20& parent, std::u16string_view name) {
    TBTNode20* node = FindChildNode(parent, name, BTNodeType::UInt8);
    if (node == nullptr) return std::nullopt;
    return node->ConvertNode_UInt8()->Value();
}

std::optional<double> ReadReal64Node(TBTNode20& parent, std::u16string_view name) {
    TBTNode20* node = FindChildNode(parent, name, BTNodeType::Real64);
    if (node == nullptr) return std::nullopt;
    const double value = node->ConvertNode_Real64()->Value();
    if (!std::isfinite(value)) {
        DebugLog(u"LoadFromDocNode: node " + NodePlace(parent, name) + u" holds no finite number; ignored");
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ReadBool32Node(TBTNode20& parent, std::u16string_view name) {
    TBTNode20* node = FindChildNode(parent, name, BTNodeType::Bool32);
    if (node == nullptr) return std::nullopt;
    return node->ConvertNode_Bool32()->Value();
}

TBTNode20_Color* FindColorNode(TBTNode20& parent, std::u16string_view name) {
    TBTNode20* node = FindChildNode(parent, name, BTNodeType::Color);
    return node == nullptr ? nullptr : node->ConvertNode_Color();
}

TBTNode20* FindClassNode(TBTNode20& parent, std::u16string_view name) {
    return FindChildNode(parent, name, BTNodeType::Class);
}

std::optional<int32_t> ReadOrdinalNode(TBTNode20& parent, std::u16string_view name, int memberCount) {
    const std::optional<int32_t> ordinal = ReadInt32Node(parent, name);
    if (!ordinal) return std::nullopt;
    if (*ordinal < 0 || *ordinal >= memberCount) {
        DebugLog(u"LoadFromDocNode: node " + NodePlace(parent, name) + u" holds the ordinal " + Number(*ordinal) +
                 u", outside 0.." + Number(memberCount - 1) + u"; ignored");
        return std::nullopt;
    }
    return ordinal;
}

}  // namespace skin
