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

// Type codes of the node kinds of a binary tree document.
enum class BTNodeType : uint8_t {
    Directory = 0,
    WideString = 4,
    Int32 = 7,
    UInt8 = 9,
    UInt32 = 11,
    Real64 = 14,
    DateTime = 17,
    Bool32 = 21,
    Binary = 23,
    Class = 24,
    Color = 25,
};

// Names and captions are cut to this many UTF-16 code units.
inline constexpr size_t kBTMaxTextLength = 80;

// True for the eleven codes of BTNodeType.
bool IsBTNodeTypeCode(uint8_t code);
// The kind's name as diagnostics spell it ("Directory", "WideString", ...).
const char* BTNodeTypeName(BTNodeType type);

class TBTNode20;
class TBTNode20_Directory;
class TBTNode20_WideString;
class TBTNode20_Int32;
class TBTNode20_UInt8;
class TBTNode20_UInt32;
class TBTNode20_Real64;
class TBTNode20_DateTime;
class TBTNode20_Bool32;
class TBTNode20_Binary;
class TBTNode20_Class;
class TBTNode20_Color;

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
    TBTNode20_Directory* AddChildNode_Directory(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_Class* AddChildNode_Class(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_WideString* AddChildNode_WideString(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_Color* AddChildNode_Color(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_Int32* AddChildNode_Int32(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_UInt8* AddChildNode_UInt8(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_UInt32* AddChildNode_UInt32(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_Real64* AddChildNode_Real64(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_DateTime* AddChildNode_DateTime(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_Bool32* AddChildNode_Bool32(std::u16string_view name, std::u16string_view caption = {});
    TBTNode20_Binary* AddChildNode_Binary(std::u16string_view name, std::u16string_view caption = {});

    // This node as the given class, or nullptr when it is of another class.
    TBTNode20_Directory* ConvertNode_Directory();
    TBTNode20_Class* ConvertNode_Class();
    TBTNode20_WideString* ConvertNode_WideString();
    TBTNode20_Color* ConvertNode_Color();
    TBTNode20_Int32* ConvertNode_Int32();
    TBTNode20_UInt8* ConvertNode_UInt8();
    TBTNode20_UInt32* ConvertNode_UInt32();
    TBTNode20_Real64* ConvertNode_Real64();
    TBTNode20_DateTime* ConvertNode_DateTime();
    TBTNode20_Bool32* ConvertNode_Bool32();
    TBTNode20_Binary* ConvertNode_Binary();

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
std::unique_ptr<TBTNode20> CreateBTNode20(uint8_t typeCode, std::u16string_view name,
                                          std::u16string_view caption = {});

class TBTNode20_Directory final : public TBTNode20 {
public:
    TBTNode20_Directory(std::u16string_view name, std::u16string_view caption = {});
    uint32_t DataSize() const override { return 0; }
    void WriteBuffer(std::span<const std::byte>) override {}
    void ReadBuffer(std::span<std::byte>) const override {}
};

// Text value stored as UTF-16LE with a terminating 0x0000 (nothing at all for an empty text).
class TBTNode20_WideString final : public TBTNode20 {
public:
    TBTNode20_WideString(std::u16string_view name, std::u16string_view caption = {});
    const std::u16string& Value() const { return value_; }
    void SetValue(std::u16string_view value) { value_ = value; }
    uint32_t DataSize() const override;
    // The text is the UTF-16 code units up to the first 0x0000 (or the end).
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    std::u16string value_;
};

// The class name of the object the node's children describe, stored like a text.
class TBTNode20_Class final : public TBTNode20 {
public:
    TBTNode20_Class(std::u16string_view name, std::u16string_view caption = {});
    const std::u16string& Value() const { return value_; }
    void SetValue(std::u16string_view value) { value_ = value; }
    uint32_t DataSize() const override;
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    std::u16string value_;
};

// Fixed-size little-endian number values.
class TBTNode20_Int32 final : public TBTNode20 {
public:
    TBTNode20_Int32(std::u16string_view name, std::u16string_view caption = {});
    int32_t Value() const { return value_; }
    void SetValue(int32_t value) { value_ = value; }
    uint32_t DataSize() const override { return 4; }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    int32_t value_ = 0;
};

class TBTNode20_UInt8 final : public TBTNode20 {
public:
    TBTNode20_UInt8(std::u16string_view name, std::u16string_view caption = {});
    uint8_t Value() const { return value_; }
    void SetValue(uint8_t value) { value_ = value; }
    uint32_t DataSize() const override { return 1; }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    uint8_t value_ = 0;
};

class TBTNode20_UInt32 final : public TBTNode20 {
public:
    TBTNode20_UInt32(std::u16string_view name, std::u16string_view caption = {});
    uint32_t Value() const { return value_; }
    void SetValue(uint32_t value) { value_ = value; }
    uint32_t DataSize() const override { return 4; }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    uint32_t value_ = 0;
};

class TBTNode20_Real64 final : public TBTNode20 {
public:
    TBTNode20_Real64(std::u16string_view name, std::u16string_view caption = {});
    double Value() const { return value_; }
    void SetValue(double value) { value_ = value; }
    uint32_t DataSize() const override { return 8; }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    double value_ = 0;
};

// Days since 1899-12-30; the fraction is the time of day.
class TBTNode20_DateTime final : public TBTNode20 {
public:
    TBTNode20_DateTime(std::u16string_view name, std::u16string_view caption = {});
    double Value() const { return value_; }
    void SetValue(double value) { value_ = value; }
    uint32_t DataSize() const override { return 8; }
    void WriteBuffer(std::span<const std::byte> source) override;
    void ReadBuffer(std::span<std::byte> dest) const override;

private:
    double value_ = 0;
};

// A 32-bit boolean: 0 is false, anything else true; true is written as -1.
class TBTNode20_Bool32 final : public TBTNode20 {
public:
    TBTNode20_Bool32(std::u16string_view name, std::u16string_view caption = {});
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
    TBTNode20_Binary(std::u16string_view name, std::u16string_view caption = {});
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
    TBTNode20_Color(std::u16string_view name, std::u16string_view caption = {});
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
