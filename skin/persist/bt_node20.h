#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class Stream;
}

namespace skin {

// The node kinds of a binary tree document, each once, as X(Kind, code): the kind's name and its stored type
// code. The kind's node class is TBTNode20_<Kind>; every node has AddChildNode_<Kind> and ConvertNode_<Kind>.
// Everything that goes through all kinds (the type codes, their names, the factory, the accessors) is made
// from this list.
#define SKIN_BT_NODE_KINDS(X) \
    X(Directory, 0)           \
    X(WideString, 4)          \
    X(Int32, 7)               \
    X(UInt8, 9)               \
    X(UInt32, 11)             \
    X(Real64, 14)             \
    X(DateTime, 17)           \
    X(Bool32, 21)             \
    X(Binary, 23)             \
    X(Class, 24)              \
    X(Color, 25)

// Type codes of the node kinds.
enum class BTNodeType : uint8_t {
#define SKIN_BT_NODE_TYPE(Kind, code) Kind = code,
    SKIN_BT_NODE_KINDS(SKIN_BT_NODE_TYPE)
#undef SKIN_BT_NODE_TYPE
};

// Names and captions are cut to this many UTF-16 code units.
inline constexpr size_t kBTMaxTextLength = 80;

// True for the eleven codes of BTNodeType.
bool IsBTNodeTypeCode(uint8_t code);
// The kind's name as diagnostics spell it ("Directory", "WideString", ...).
const char* BTNodeTypeName(BTNodeType type);

class TBTNode20;
#define SKIN_BT_NODE_CLASS(Kind, code) class TBTNode20_##Kind;
SKIN_BT_NODE_KINDS(SKIN_BT_NODE_CLASS)
#undef SKIN_BT_NODE_CLASS

// A node's ordered, owned children.
class TBTNodeList20 {
public:
    // Throws SkinError "AOwnerNode can not nil" without an owner.
    explicit TBTNodeList20(TBTNode20* ownerNode);
    TBTNodeList20(const TBTNodeList20&) = delete;
    TBTNodeList20& operator=(const TBTNodeList20&) = delete;
    ~TBTNodeList20();

    TBTNode20* OwnerNode() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // The child at index, or nullptr outside 0..Count-1.
    TBTNode20* GetItems(int index) const;
    // Puts node at index (its parent becomes the owner) and gives back the node that was there.
    std::unique_ptr<TBTNode20> SetItems(int index, std::unique_ptr<TBTNode20> node);

    // Appends node and makes the owner its parent; returns its index.
    int Add(std::unique_ptr<TBTNode20> node);
    // Inserts node at index (0..Count) and makes the owner its parent.
    void Insert(int index, std::unique_ptr<TBTNode20> node);
    // Takes node out of the list without freeing it and clears its parent; nullptr when it is not here.
    std::unique_ptr<TBTNode20> Remove(TBTNode20* node);
    // Frees the child at index with its subtree.
    void Delete(int index);
    // Frees every child, the last first.
    void Clear();
    void Move(int curIndex, int newIndex);
    int IndexOf(const TBTNode20* node) const;
    // From the last child to the first: the first whose name equals name (case-sensitive).
    TBTNode20* FindNodeByName(std::u16string_view name) const;
    // From the last child to the first: the first whose name begins with prefix.
    TBTNode20* FindNodeByLeftPartName(std::u16string_view prefix) const;

private:
    // A node's destructor takes its descendants out of their lists to free them without recursion.
    friend class TBTNode20;

    TBTNode20* owner_;
    std::vector<std::unique_ptr<TBTNode20>> items_;
};

// A named, typed node of a binary tree document, with a caption, a value and children.
class TBTNode20 {
public:
    TBTNode20(const TBTNode20&) = delete;
    TBTNode20& operator=(const TBTNode20&) = delete;
    // Frees the whole subtree (without recursion, so any depth is safe).
    virtual ~TBTNode20();

    BTNodeType NodeType() const { return type_; }
    const std::u16string& NodeName() const { return name_; }
    // Cut to 80 characters.
    void SetNodeName(std::u16string_view name);
    const std::u16string& NodeCaption() const { return caption_; }
    // Cut to 80 characters.
    void SetNodeCaption(std::u16string_view caption);
    TBTNode20* ParentNode() const { return parent_; }
    // Moves this node from its parent's children to the end of newParent's. The node must have a parent
    // (a root belongs to its document); newParent must not lie inside this node's subtree.
    void SetParentNode(TBTNode20* newParent);

    TBTNodeList20& ChildNodes() { return children_; }
    const TBTNodeList20& ChildNodes() const { return children_; }

    // Byte size of the value as stored.
    virtual uint32_t DataSize() const = 0;
    // Takes the node's value from bytes: texts, class names and binary data copy all of them, fixed-size
    // values their own size, a colour the first 4 bytes. Too few bytes for a fixed-size value throw SkinError.
    virtual void WriteBuffer(std::span<const std::byte> source) = 0;
    // Copies the stored value (DataSize bytes; 4 for a colour) into dest, which must be that large.
    virtual void ReadBuffer(std::span<std::byte> dest) const = 0;

    // New last child of the given type code; SkinError "无效节点" for an unknown code,
    // "节点名称不能为空" for an empty or blank name.
    TBTNode20* AddChildNode(uint8_t typeCode, std::u16string_view name, std::u16string_view caption = {});
    // For every kind K of SKIN_BT_NODE_KINDS:
    //   TBTNode20_K* AddChildNode_K(name, caption = {})  a new last child of that kind (errors as above);
    //   TBTNode20_K* ConvertNode_K()                     this node as that class, or nullptr for another kind.
#define SKIN_BT_NODE_ACCESSORS(Kind, code)                                                             \
    TBTNode20_##Kind* AddChildNode_##Kind(std::u16string_view name, std::u16string_view caption = {}); \
    TBTNode20_##Kind* ConvertNode_##Kind();
    SKIN_BT_NODE_KINDS(SKIN_BT_NODE_ACCESSORS)
#undef SKIN_BT_NODE_ACCESSORS

    // From the first child on: the first whose name equals name.
    TBTNode20* FindChildNodeByName(std::u16string_view name) const;

protected:
    TBTNode20(BTNodeType type, std::u16string_view name, std::u16string_view caption);

private:
    friend class TBTNodeList20;

    BTNodeType type_;
    std::u16string name_;
    std::u16string caption_;
    TBTNode20* parent_ = nullptr;
    TBTNodeList20 children_{this};
};

// A new parentless node of the given type code. SkinError "无效节点" for an unknown code,
// "节点名称不能为空" for an empty or blank name; the name and caption are cut to 80 characters.
std::unique_ptr<TBTNode20> CreateBTNode20(uint8_t typeCode, std::u16string_view name, std::u16string_view caption = {});

class TBTNode20_Directory final : public TBTNode20 {
public:
    TBTNode20_Directory(std::u16string_view name, std::u16string_view caption = {})
        : TBTNode20(BTNodeType::Directory, name, caption) {}
    uint32_t DataSize() const override { return 0; }
    void WriteBuffer(std::span<const std::byte>) override {}
    void ReadBuffer(std::span<std::byte>) const override {}
};

// A text value stored as UTF-16LE with a terminating 0x0000 (nothing at all for an empty text).
template <BTNodeType Kind>
class TBTTextNode20 : public TBTNode20 {
public:
    const std::u16string& Value() const { return value_; }
    void SetValue(std::u16string_view value) { value_ = value; }
    uint32_t DataSize() const override;
    // The text is the UTF-16 code units up to the first 0x0000 (or the end).
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

protected:
    TBTTextNode20(std::u16string_view name, std::u16string_view caption) : TBTNode20(Kind, name, caption) {}

private:
    std::u16string value_;
};

class TBTNode20_WideString final : public TBTTextNode20<BTNodeType::WideString> {
public:
    TBTNode20_WideString(std::u16string_view name, std::u16string_view caption = {}) : TBTTextNode20(name, caption) {}
};

// The class name of the object the node's children describe.
class TBTNode20_Class final : public TBTTextNode20<BTNodeType::Class> {
public:
    TBTNode20_Class(std::u16string_view name, std::u16string_view caption = {}) : TBTTextNode20(name, caption) {}
};

// A value of one little-endian number of type V, stored in sizeof(V) bytes.
template <class V, BTNodeType Kind>
class TBTNumberNode20 : public TBTNode20 {
public:
    V Value() const { return value_; }
    void SetValue(V value) { value_ = value; }
    uint32_t DataSize() const override { return sizeof(V); }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

protected:
    TBTNumberNode20(std::u16string_view name, std::u16string_view caption) : TBTNode20(Kind, name, caption) {}

private:
    V value_ = 0;
};

class TBTNode20_Int32 final : public TBTNumberNode20<int32_t, BTNodeType::Int32> {
public:
    TBTNode20_Int32(std::u16string_view name, std::u16string_view caption = {}) : TBTNumberNode20(name, caption) {}
};

class TBTNode20_UInt8 final : public TBTNumberNode20<uint8_t, BTNodeType::UInt8> {
public:
    TBTNode20_UInt8(std::u16string_view name, std::u16string_view caption = {}) : TBTNumberNode20(name, caption) {}
};

class TBTNode20_UInt32 final : public TBTNumberNode20<uint32_t, BTNodeType::UInt32> {
public:
    TBTNode20_UInt32(std::u16string_view name, std::u16string_view caption = {}) : TBTNumberNode20(name, caption) {}
};

class TBTNode20_Real64 final : public TBTNumberNode20<double, BTNodeType::Real64> {
public:
    TBTNode20_Real64(std::u16string_view name, std::u16string_view caption = {}) : TBTNumberNode20(name, caption) {}
};

// Days since 1899-12-30; the fraction is the time of day.
class TBTNode20_DateTime final : public TBTNumberNode20<double, BTNodeType::DateTime> {
public:
    TBTNode20_DateTime(std::u16string_view name, std::u16string_view caption = {}) : TBTNumberNode20(name, caption) {}
};

// A 32-bit boolean: 0 is false, anything else true; true is written as -1.
class TBTNode20_Bool32 final : public TBTNode20 {
public:
    TBTNode20_Bool32(std::u16string_view name, std::u16string_view caption = {})
        : TBTNode20(BTNodeType::Bool32, name, caption) {}
    bool Value() const { return value_; }
    void SetValue(bool value) { value_ = value; }
    uint32_t DataSize() const override { return 4; }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    bool value_ = false;
};

// Raw bytes.
class TBTNode20_Binary final : public TBTNode20 {
public:
    TBTNode20_Binary(std::u16string_view name, std::u16string_view caption = {})
        : TBTNode20(BTNodeType::Binary, name, caption) {}
    std::vector<std::byte>& Buffer() { return bytes_; }
    const std::vector<std::byte>& Buffer() const { return bytes_; }
    uint32_t DataSize() const override { return static_cast<uint32_t>(bytes_.size()); }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

    // Takes the whole stream, from position 0, as the value.
    void LoadFromStream(ui::Stream& stream);
    // Writes the value at the stream's current position.
    void SaveToStream(ui::Stream& stream) const;
    // Throws std::runtime_error naming the file when it cannot be read or written.
    void LoadFromFile(const std::filesystem::path& path);
    void SaveToFile(const std::filesystem::path& path) const;

private:
    std::vector<std::byte> bytes_;
};

// A 32-bit ARGB colour (0xAARRGGBB), stored as 5 bytes: the colour and one byte that readers ignore
// (written as 0).
class TBTNode20_Color final : public TBTNode20 {
public:
    TBTNode20_Color(std::u16string_view name, std::u16string_view caption = {})
        : TBTNode20(BTNodeType::Color, name, caption) {}
    uint32_t Color() const { return color_; }
    void SetColor(uint32_t color) { color_ = color; }
    uint32_t DataSize() const override { return 5; }
    void WriteBuffer(std::span<const std::byte> source) override;
    // Copies the 4 colour bytes.
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    uint32_t color_ = 0;
};

}  // namespace skin
