#include "skin/persist/bt_node20.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "platform/file_io.h"
#include "skin/core/skin_error.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace skin {

namespace {

const char* const kInvalidNode = "无效节点";
const char* const kEmptyName = "节点名称不能为空";

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Little-endian fixed-size values. Both targets are little-endian, but spelling the byte order out keeps the
// stored form independent of the host; the compiler turns these into plain loads and stores.
template <typename T>
T LoadLE(const std::byte* p) {
    using U = std::conditional_t<sizeof(T) == 1, uint8_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>;
    U bits = 0;
    for (size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<U>(static_cast<uint8_t>(p[i])) << (8 * i);
    return std::bit_cast<T>(bits);
}

template <typename T>
void StoreLE(std::byte* p, T value) {
    using U = std::conditional_t<sizeof(T) == 1, uint8_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>;
    const U bits = std::bit_cast<U>(value);
    for (size_t i = 0; i < sizeof(T); ++i) p[i] = static_cast<std::byte>(static_cast<uint8_t>(bits >> (8 * i)));
}

template <typename T>
T TakeFixed(std::span<const std::byte> source, BTNodeType kind) {
    if (source.size() < sizeof(T)) {
        throw SkinError(std::string(BTNodeTypeName(kind)) + " value needs " + std::to_string(sizeof(T)) + " bytes, " +
                        std::to_string(source.size()) + " given");
    }
    return LoadLE<T>(source.data());
}

void CheckDest(std::span<std::byte> dest, size_t needed) {
    if (dest.size() < needed) {
        throw SkinError("Node value needs " + std::to_string(needed) + " bytes, the buffer has " +
                        std::to_string(dest.size()));
    }
}

// UTF-16LE code units up to the first 0x0000 or the end; an odd last byte is ignored.
std::u16string TextFromBytes(std::span<const std::byte> source) {
    const size_t units = source.size() / 2;
    std::u16string text;
    if constexpr (std::endian::native == std::endian::little) {
        const auto* begin = source.data();
        size_t length = 0;
        while (length < units && (begin[2 * length] != std::byte{0} || begin[2 * length + 1] != std::byte{0})) {
            ++length;
        }
        text.resize(length);
        std::memcpy(text.data(), begin, 2 * length);
    } else {
        for (size_t i = 0; i < units; ++i) {
            const auto unit = static_cast<char16_t>(static_cast<uint8_t>(source[2 * i]) |
                                                    static_cast<uint8_t>(source[2 * i + 1]) << 8);
            if (unit == 0) break;
            text.push_back(unit);
        }
    }
    return text;
}

uint32_t TextDataSize(const std::u16string& text) {
    return text.empty() ? 0 : static_cast<uint32_t>(2 * text.size() + 2);
}

void TextToBytes(const std::u16string& text, std::span<std::byte> dest) {
    const size_t size = TextDataSize(text);
    CheckDest(dest, size);
    if (size == 0) return;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(dest.data(), text.data(), 2 * text.size());
    } else {
        for (size_t i = 0; i < text.size(); ++i) {
            dest[2 * i] = static_cast<std::byte>(text[i] & 0xFF);
            dest[2 * i + 1] = static_cast<std::byte>(text[i] >> 8);
        }
    }
    dest[2 * text.size()] = std::byte{0};
    dest[2 * text.size() + 1] = std::byte{0};
}

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count) throw SkinError("List index out of bounds (" + std::to_string(index) + ")");
}

void CheckNotNull(const TBTNode20* node) {
    if (node == nullptr) throw SkinError("A node list cannot hold a null node");
}

}  // namespace

const char* BTNodeTypeName(BTNodeType type) {
    switch (type) {
#define SKIN_BT_NODE_NAME(Kind, code) \
    case BTNodeType::Kind:            \
        return #Kind;
        SKIN_BT_NODE_KINDS(SKIN_BT_NODE_NAME)
#undef SKIN_BT_NODE_NAME
    }
    return "unknown";
}

bool IsBTNodeTypeCode(uint8_t code) {
    switch (static_cast<BTNodeType>(code)) {
#define SKIN_BT_NODE_CODE(Kind, code) \
    case BTNodeType::Kind:            \
        return true;
        SKIN_BT_NODE_KINDS(SKIN_BT_NODE_CODE)
#undef SKIN_BT_NODE_CODE
    }
    return false;
}

std::unique_ptr<TBTNode20> CreateBTNode20(uint8_t typeCode, std::u16string_view name, std::u16string_view caption) {
    switch (static_cast<BTNodeType>(typeCode)) {
#define SKIN_BT_NODE_FACTORY(Kind, code) \
    case BTNodeType::Kind:               \
        return std::make_unique<TBTNode20_##Kind>(name, caption);
        SKIN_BT_NODE_KINDS(SKIN_BT_NODE_FACTORY)
#undef SKIN_BT_NODE_FACTORY
    }
    throw SkinError(kInvalidNode);
}

// ---------------------------------------------------------------------------------------------------------------
// TBTNodeList20

TBTNodeList20::TBTNodeList20(TBTNode20* ownerNode) : owner_(ownerNode) {
    if (ownerNode == nullptr) throw SkinError("AOwnerNode can not nil");
}

TBTNodeList20::~TBTNodeList20() { Clear(); }

TBTNode20* TBTNodeList20::GetItems(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<size_t>(index)].get();
}

std::unique_ptr<TBTNode20> TBTNodeList20::SetItems(int index, std::unique_ptr<TBTNode20> node) {
    CheckIndex(index, Count());
    CheckNotNull(node.get());
    node->parent_ = owner_;
    std::swap(items_[static_cast<size_t>(index)], node);
    node->parent_ = nullptr;
    return node;
}

int TBTNodeList20::Add(std::unique_ptr<TBTNode20> node) {
    CheckNotNull(node.get());
    node->parent_ = owner_;
    items_.push_back(std::move(node));
    return Count() - 1;
}

void TBTNodeList20::Insert(int index, std::unique_ptr<TBTNode20> node) {
    if (index < 0 || index > Count()) throw SkinError("List index out of bounds (" + std::to_string(index) + ")");
    CheckNotNull(node.get());
    node->parent_ = owner_;
    items_.insert(items_.begin() + index, std::move(node));
}

std::unique_ptr<TBTNode20> TBTNodeList20::Remove(TBTNode20* node) {
    const int index = IndexOf(node);
    if (index < 0) return nullptr;
    std::unique_ptr<TBTNode20> taken = std::move(items_[static_cast<size_t>(index)]);
    items_.erase(items_.begin() + index);
    taken->parent_ = nullptr;
    return taken;
}

void TBTNodeList20::Delete(int index) {
    CheckIndex(index, Count());
    std::unique_ptr<TBTNode20> doomed = std::move(items_[static_cast<size_t>(index)]);
    items_.erase(items_.begin() + index);
    // doomed (and its subtree) is freed here, after the list is consistent again.
}

void TBTNodeList20::Clear() {
    while (!items_.empty()) {
        std::unique_ptr<TBTNode20> doomed = std::move(items_.back());
        items_.pop_back();
    }
}

void TBTNodeList20::Move(int curIndex, int newIndex) {
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    const auto from = items_.begin() + curIndex;
    const auto to = items_.begin() + newIndex;
    if (curIndex < newIndex) {
        std::rotate(from, from + 1, to + 1);
    } else if (newIndex < curIndex) {
        std::rotate(to, from, from + 1);
    }
}

int TBTNodeList20::IndexOf(const TBTNode20* node) const {
    if (node == nullptr) return -1;
    // Searching from the end makes taking out the last child (the common case) cheap.
    for (size_t i = items_.size(); i-- > 0;) {
        if (items_[i].get() == node) return static_cast<int>(i);
    }
    return -1;
}

TBTNode20* TBTNodeList20::FindNodeByName(std::u16string_view name) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if ((*it)->NodeName() == name) return it->get();
    }
    return nullptr;
}

TBTNode20* TBTNodeList20::FindNodeByLeftPartName(std::u16string_view prefix) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (std::u16string_view((*it)->NodeName()).starts_with(prefix)) return it->get();
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------------------------
// TBTNode20

TBTNode20::TBTNode20(BTNodeType type, std::u16string_view name, std::u16string_view caption) : type_(type) {
    if (ui::TrimBlanks(name).empty()) throw SkinError(kEmptyName);
    name_ = ui::CutText(name, kBTMaxTextLength);
    caption_ = ui::CutText(caption, kBTMaxTextLength);
}

TBTNode20::~TBTNode20() {
    // Children are freed before the node. Descendants are moved to a work list first, so that each node is
    // destroyed with no children left and the destructor never recurses, however deep the tree is.
    std::vector<std::unique_ptr<TBTNode20>> pending = std::move(children_.items_);
    children_.items_.clear();
    while (!pending.empty()) {
        std::unique_ptr<TBTNode20> node = std::move(pending.back());
        pending.pop_back();
        auto& grandchildren = node->children_.items_;
        if (!grandchildren.empty()) {
            pending.insert(pending.end(), std::make_move_iterator(grandchildren.begin()),
                           std::make_move_iterator(grandchildren.end()));
            grandchildren.clear();
        }
    }
}

void TBTNode20::SetNodeName(std::u16string_view name) { name_ = ui::CutText(name, kBTMaxTextLength); }

void TBTNode20::SetNodeCaption(std::u16string_view caption) { caption_ = ui::CutText(caption, kBTMaxTextLength); }

void TBTNode20::SetParentNode(TBTNode20* newParent) {
    if (newParent == nullptr) throw SkinError("A node cannot be moved to a null parent");
    if (parent_ == nullptr) throw SkinError("A node without a parent cannot be moved");
    for (const TBTNode20* p = newParent; p != nullptr; p = p->parent_) {
        if (p == this) throw SkinError("A node cannot be moved into its own subtree");
    }
    std::unique_ptr<TBTNode20> self = parent_->children_.Remove(this);
    newParent->children_.Add(std::move(self));
}

TBTNode20* TBTNode20::AddChildNode(uint8_t typeCode, std::u16string_view name, std::u16string_view caption) {
    std::unique_ptr<TBTNode20> node = CreateBTNode20(typeCode, name, caption);
    TBTNode20* raw = node.get();
    children_.Add(std::move(node));
    return raw;
}

namespace {

template <typename T>
T* AddTyped(TBTNodeList20& list, std::u16string_view name, std::u16string_view caption) {
    auto node = std::make_unique<T>(name, caption);
    T* raw = node.get();
    list.Add(std::move(node));
    return raw;
}

}  // namespace

#define SKIN_BT_NODE_KIND(Kind, code)                                                                         \
    TBTNode20_##Kind* TBTNode20::AddChildNode_##Kind(std::u16string_view name, std::u16string_view caption) { \
        return AddTyped<TBTNode20_##Kind>(children_, name, caption);                                          \
    }                                                                                                         \
    TBTNode20_##Kind* TBTNode20::ConvertNode_##Kind() {                                                       \
        return type_ == BTNodeType::Kind ? static_cast<TBTNode20_##Kind*>(this) : nullptr;                    \
    }

SKIN_BT_NODE_KINDS(SKIN_BT_NODE_KIND)

#undef SKIN_BT_NODE_KIND

TBTNode20* TBTNode20::FindChildNodeByName(std::u16string_view name) const {
    for (const auto& child : children_.items_) {
        if (child->NodeName() == name) return child.get();
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------------------------
// Values

template <BTNodeType Kind>
uint32_t TBTTextNode20<Kind>::DataSize() const {
    return TextDataSize(value_);
}
template <BTNodeType Kind>
void TBTTextNode20<Kind>::WriteBuffer(std::span<const std::byte> source) {
    value_ = TextFromBytes(source);
}
template <BTNodeType Kind>
void TBTTextNode20<Kind>::ReadBuffer(std::span<std::byte> dest) const {
    TextToBytes(value_, dest);
}

template class TBTTextNode20<BTNodeType::WideString>;
template class TBTTextNode20<BTNodeType::Class>;

template <class V, BTNodeType Kind>
void TBTNumberNode20<V, Kind>::WriteBuffer(std::span<const std::byte> source) {
    value_ = TakeFixed<V>(source, Kind);
}
template <class V, BTNodeType Kind>
void TBTNumberNode20<V, Kind>::ReadBuffer(std::span<std::byte> dest) const {
    CheckDest(dest, sizeof(V));
    StoreLE(dest.data(), value_);
}

template class TBTNumberNode20<int32_t, BTNodeType::Int32>;
template class TBTNumberNode20<uint8_t, BTNodeType::UInt8>;
template class TBTNumberNode20<uint32_t, BTNodeType::UInt32>;
template class TBTNumberNode20<double, BTNodeType::Real64>;
template class TBTNumberNode20<double, BTNodeType::DateTime>;

void TBTNode20_Bool32::WriteBuffer(std::span<const std::byte> source) {
    value_ = TakeFixed<uint32_t>(source, BTNodeType::Bool32) != 0;
}
void TBTNode20_Bool32::ReadBuffer(std::span<std::byte> dest) const {
    CheckDest(dest, 4);
    StoreLE(dest.data(), value_ ? int32_t{-1} : int32_t{0});
}

void TBTNode20_Color::WriteBuffer(std::span<const std::byte> source) {
    color_ = TakeFixed<uint32_t>(source, BTNodeType::Color);
}
void TBTNode20_Color::ReadBuffer(std::span<std::byte> dest) const {
    CheckDest(dest, 4);
    StoreLE(dest.data(), color_);
}

void TBTNode20_Binary::WriteBuffer(std::span<const std::byte> source) { bytes_.assign(source.begin(), source.end()); }

void TBTNode20_Binary::ReadBuffer(std::span<std::byte> dest) const {
    CheckDest(dest, bytes_.size());
    if (!bytes_.empty()) std::memcpy(dest.data(), bytes_.data(), bytes_.size());
}

void TBTNode20_Binary::LoadFromStream(ui::Stream& stream) {
    const uint64_t size = stream.Size();
    if (size > bytes_.max_size()) throw SkinError("Stream too large for a binary node");
    std::vector<std::byte> bytes(static_cast<size_t>(size));
    stream.Seek(0);
    stream.ReadExact(bytes);
    bytes_ = std::move(bytes);
}

void TBTNode20_Binary::SaveToStream(ui::Stream& stream) const { stream.Write(bytes_); }

void TBTNode20_Binary::LoadFromFile(const std::filesystem::path& path) {
    std::optional<std::vector<std::byte>> bytes = platform::ReadWholeFile(path);
    if (!bytes) throw std::runtime_error("Cannot read file " + PathText(path));
    bytes_ = std::move(*bytes);
}

void TBTNode20_Binary::SaveToFile(const std::filesystem::path& path) const {
    if (!platform::WriteWholeFile(path, bytes_)) throw std::runtime_error("Cannot write file " + PathText(path));
}

}  // namespace skin
