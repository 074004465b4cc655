#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/persist/bt_node20.h"

namespace ui {
class Stream;
}

namespace skin {

// A binary tree document, format version 20: a name and a tree of typed nodes under the directory root "\".
//
// Stored form (little-endian): version byte, N (byte length of the UTF-16LE name with its 0x0000, 0 when
// empty), the name; then the node records in depth-first pre-order. A record is: type code (1), child count
// (4), NL (1), CL (1), DS (4), the name (NL bytes), the caption (CL bytes), the value (DS bytes).
class TBTDOC20 {
public:
    static constexpr uint8_t kVersion = 20;

    TBTDOC20();
    TBTDOC20(const TBTDOC20&) = delete;
    TBTDOC20& operator=(const TBTDOC20&) = delete;
    ~TBTDOC20();

    uint8_t Version() const { return version_; }
    const std::u16string& Name() const { return name_; }
    // Cut to 80 characters.
    void SetName(std::u16string_view name);
    // The root; it is the directory "\" unless a loaded document stored another kind.
    TBTNode20* TopNode() const { return top_.get(); }
    TBTNodeList20& Nodes() { return top_->ChildNodes(); }

    // Removes and frees every child of the root.
    void Clear();
    // Makes this document a copy of source (through its stored form).
    void Assign(const TBTDOC20& source);

    std::vector<std::byte> Save() const;
    // Replaces the content with the document in block. Throws SkinError: "无效文档" (fewer than 2 bytes),
    // "无效版本号", "无效节点", or a message that names what is inconsistent (a length or count beyond the end
    // of the block, a fixed-size value of another size). After a failure the document holds what was read
    // before it.
    void Load(std::span<const std::byte> block);
    // Replaces the stream's content with the document.
    void SaveToStream(ui::Stream& stream) const;
    // Reads the document from the stream's position to its end.
    void LoadFromStream(ui::Stream& stream);
    // Creates or overwrites the file; throws std::runtime_error naming the file on failure.
    void SaveToFile(const std::filesystem::path& path) const;
    // Throws std::runtime_error naming the file when it cannot be read, SkinError as Load.
    void LoadFromFile(const std::filesystem::path& path);

    // New node of the type code as the last child of parent (of the root when parent is nullptr).
    TBTNode20* CreateNode(uint8_t typeCode, TBTNode20* parent, std::u16string_view name,
                          std::u16string_view caption = {});
    // Among the root's children from the last to the first; recursively, each non-matching child's subtree
    // is searched (again from the last child) before the scan moves to the previous sibling.
    TBTNode20* FindNodeByName(std::u16string_view name, bool recursive) const;
    // Backslash-separated path of names below the root; surrounding blanks and backslashes are ignored.
    TBTNode20* FindNodeByPath(std::u16string_view path) const;

private:
    uint8_t version_ = kVersion;
    std::u16string name_;
    std::unique_ptr<TBTNode20> top_;
};

}  // namespace skin
