#include "skin/persist/binary_object_list.h"

#include <algorithm>
#include <vector>

#include "platform/file_io.h"
#include "skin/core/base_log.h"
#include "skin/core/skin_error.h"
#include "skin/persist/bt_doc20.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace skin {

TBinaryObjectList::TBinaryObjectList(bool createChangeManager) : TBaseList(ooOwned, createChangeManager) {}

std::unique_ptr<TBinaryObject> TBinaryObjectList::CreateBinaryObject(std::u16string_view) {
    throw SkinError("Have Not Implement TBinaryObjectList.CreateBinaryObject");
}

TBinaryObject* TBinaryObjectList::Add() {
    std::unique_ptr<TBinaryObject> item = CreateBinaryObject(u"");
    TBinaryObject* result = item.get();
    TBaseList::Add(item.release());
    return result;
}

TBinaryObject* TBinaryObjectList::Insert(int index) {
    std::unique_ptr<TBinaryObject> item = CreateBinaryObject(u"");
    TBinaryObject* result = item.get();
    TBaseList::Insert(index, result);
    item.release();
    return result;
}

TBinaryObject* TBinaryObjectList::GetItem(int index) const { return dynamic_cast<TBinaryObject*>(Items(index)); }

bool TBinaryObjectList::SaveToDocNode(TBTNode20* docNode) {
    for (int i = 0; i < Count(); ++i) {
        ui::Object* item = Items(i);
        if (item == nullptr) continue;
        TBTNode20_Class* itemNode = docNode->AddChildNode_Class(ItemNodeName());
        auto* binaryObject = dynamic_cast<TBinaryObject*>(item);
        if (binaryObject != nullptr && CanSaveToDocNode(binaryObject)) binaryObject->SaveToDocNode(itemNode);
    }
    return true;
}

bool TBinaryObjectList::LoadFromDocNode(TBTNode20* docNode) {
    BeginUpdate();
    try {
        const TBTNodeList20& children = docNode->ChildNodes();
        for (int i = 0; i < children.Count(); ++i) {
            TBTNode20* child = children.GetItems(i);
            std::u16string className;
            if (TBTNode20* classNameNode = child->FindChildNodeByName(u"ClassName")) {
                if (TBTNode20_WideString* text = classNameNode->ConvertNode_WideString()) {
                    className = text->Value();
                } else if (TBTNode20_Class* classNode = classNameNode->ConvertNode_Class()) {
                    className = classNode->Value();
                }
            }
            std::unique_ptr<TBinaryObject> item = CreateBinaryObject(className);
            TBTNode20_Class* itemNode = child->ConvertNode_Class();
            if (itemNode == nullptr) {
                // Only class nodes describe items; anything else in the document is skipped.
                DebugLog(u"TBinaryObjectList.LoadFromDocNode skips the node " + child->NodeName() +
                         u": not a class node");
                continue;
            }
            item->LoadFromDocNode(itemNode);
            TBaseList::Add(item.get());
            item.release();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return true;
}

void TBinaryObjectList::WriteData(ui::Stream& output) {
    TBTDOC20 document;
    SaveToDocNode(document.TopNode());
    ui::MemoryStream buffer;
    document.SaveToStream(buffer);
    const std::vector<std::byte>& bytes = buffer.Bytes();
    for (size_t offset = 0; offset < bytes.size(); offset += kCopyBlockSize) {
        const size_t count = std::min(kCopyBlockSize, bytes.size() - offset);
        output.Write(std::span<const std::byte>(bytes.data() + offset, count));
    }
}

void TBinaryObjectList::LoadDocument(ui::Stream& input) {
    if (input.Position() >= input.Size()) return;
    TBTDOC20 document;
    document.LoadFromStream(input);
    LoadFromDocNode(document.TopNode());
}

void TBinaryObjectList::ReadData(ui::Stream& input) {
    Clear(true, true);
    LoadDocument(input);
}

void TBinaryObjectList::LoadFromFile(const std::filesystem::path& path, bool isNeedClear) {
    std::optional<std::vector<std::byte>> bytes = platform::ReadWholeFile(path);
    if (!bytes) throw std::runtime_error("Cannot read file " + ui::Utf16ToUtf8(path.u16string()));
    if (isNeedClear) Clear(true, true);
    ui::MemoryStream stream(std::move(*bytes));
    LoadDocument(stream);
}

void TBinaryObjectList::SaveToFile(const std::filesystem::path& path) {
    try {
        ui::MemoryStream buffer;
        WriteData(buffer);
        if (!platform::WriteWholeFile(path, buffer.Bytes())) DebugLog(u"TBinaryObjectList.SaveToFile cannot write " + path.u16string());
    } catch (const std::exception& e) {
        HandleException(&e, u"TBinaryObjectList.SaveToFile");
    }
}

bool TBinaryObjectList::AssignFrom(const ui::Persistent& source) {
    const auto* list = dynamic_cast<const TBinaryObjectList*>(&source);
    if (list == nullptr) return false;
    BeginUpdate();
    try {
        Clear(true, true);
        for (int i = 0; i < list->Count(); ++i) {
            std::unique_ptr<TBinaryObject> item = CreateBinaryObject(u"");
            if (const TBinaryObject* sourceItem = list->GetItem(i)) item->Assign(*sourceItem);
            TBaseList::Add(item.get());
            item.release();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return true;
}

}  // namespace skin
