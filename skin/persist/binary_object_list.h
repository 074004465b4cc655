#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "skin/core/base_list.h"

namespace ui {
class Stream;
}

namespace skin {

class TBTNode20;
class TBTNode20_Class;

// What an object offers to be stored in a class node of a binary tree document.
class ISupportClassDocNode {
public:
    virtual ~ISupportClassDocNode() = default;
    virtual bool LoadFromDocNode(TBTNode20_Class* docNode) = 0;
    virtual bool SaveToDocNode(TBTNode20_Class* docNode) = 0;
};

// Base of the items of a binary object list; stores nothing of its own.
class TBinaryObject : public ui::Persistent, public ISupportClassDocNode {
public:
    std::u16string_view ClassName() const override { return u"TBinaryObject"; }
    bool LoadFromDocNode(TBTNode20_Class* docNode) override { return true; }
    bool SaveToDocNode(TBTNode20_Class* docNode) override { return true; }
};

// An owning list of binary objects that stores itself as one binary tree document: one class node named
// "BinaryObject" per item, each item writing its own content into its node. Streamed as the binary property
// "Data" of the component that holds it.
class TBinaryObjectList : public TBaseList {
public:
    // Item node name.
    static constexpr std::u16string_view kItemNodeName = u"BinaryObject";
    // Size of the blocks in which "Data" is copied to its output.
    static constexpr size_t kCopyBlockSize = 1048576;

    explicit TBinaryObjectList(bool createChangeManager = false);
    std::u16string_view ClassName() const override { return u"TBinaryObjectList"; }

    // A new, empty item for the class name. The base throws SkinError
    // "Have Not Implement TBinaryObjectList.CreateBinaryObject"; every usable list overrides it.
    virtual std::unique_ptr<TBinaryObject> CreateBinaryObject(std::u16string_view className);
    // The name given to each item's node.
    virtual std::u16string ItemNodeName() const { return std::u16string(kItemNodeName); }
    // Appends one item per child of docNode, inside one update hold.
    virtual bool LoadFromDocNode(TBTNode20* docNode);
    // Appends one class child per non-empty slot and lets the item fill it.
    virtual bool SaveToDocNode(TBTNode20* docNode);
    virtual bool CanSaveToDocNode(TBinaryObject* binaryObject) { return true; }

    using TBaseList::Add;
    using TBaseList::Insert;
    // Creates an item (empty class name), appends it and returns it.
    TBinaryObject* Add();
    TBinaryObject* AddBinaryObject() { return Add(); }
    // Creates an item and inserts it at index.
    TBinaryObject* Insert(int index);
    // The item at index, or nullptr when there is none (or the slot holds another kind of object).
    TBinaryObject* GetItem(int index) const;
    void SetItem(int index, TBinaryObject* item) { SetItems(index, item); }

    // Reads a document file into the list, clearing it first only when isNeedClear. Unreadable files throw.
    void LoadFromFile(const std::filesystem::path& path, bool isNeedClear);
    // Writes the list as a document file; failures are ignored.
    void SaveToFile(const std::filesystem::path& path);

    // The binary property "Data": the list as a document (the 17-byte empty document for an empty list).
    void WriteData(ui::Stream& output);
    // Replaces the items with those of the document in input (from its position to its end); an empty input
    // only clears. A document that cannot be read throws and leaves the items loaded before the failure.
    void ReadData(ui::Stream& input);

protected:
    // Copies every item of another binary object list into new items of this list's own kind.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    void LoadDocument(ui::Stream& input);
};

}  // namespace skin
