#include "skin/persist/binary_object_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/core/skin_error.h"
#include "skin/persist/bt_doc20.h"
#include "ui/stream.h"

namespace skin {
namespace {

namespace fs = std::filesystem;

std::vector<std::byte> BytesOf(std::string_view text) {
    std::vector<std::byte> bytes(text.size());
    std::memcpy(bytes.data(), text.data(), text.size());
    return bytes;
}

// A small stored item: a name and some bytes, written as the class "TTestPicture" with two child nodes.
class TestPicture : public TBinaryObject {
public:
    std::u16string_view ClassName() const override { return u"TTestPicture"; }
    std::u16string name;
    std::vector<std::byte> data;

    bool SaveToDocNode(TBTNode20_Class* node) override {
        node->SetValue(u"TTestPicture");
        node->AddChildNode_WideString(u"Name", u"名称")->SetValue(name);
        node->AddChildNode_Binary(u"Data", u"数据")->Buffer() = data;
        return true;
    }
    bool LoadFromDocNode(TBTNode20_Class* node) override {
        if (TBTNode20* n = node->FindChildNodeByName(u"Name")) name = n->ConvertNode_WideString()->Value();
        if (TBTNode20* d = node->FindChildNodeByName(u"Data")) data = d->ConvertNode_Binary()->Buffer();
        return true;
    }

protected:
    bool AssignFrom(const ui::Persistent& source) override {
        const auto* picture = dynamic_cast<const TestPicture*>(&source);
        if (picture == nullptr) return false;
        name = picture->name;
        data = picture->data;
        return true;
    }
};

class TestPictureList : public TBinaryObjectList {
public:
    using TBinaryObjectList::TBinaryObjectList;
    std::vector<std::u16string> requestedClassNames;

    std::unique_ptr<TBinaryObject> CreateBinaryObject(std::u16string_view className) override {
        requestedClassNames.emplace_back(className);
        return std::make_unique<TestPicture>();
    }
    TestPicture* Picture(int index) const { return static_cast<TestPicture*>(GetItem(index)); }
};

void Fill(TestPictureList& list, std::initializer_list<std::u16string> names) {
    for (const std::u16string& name : names) {
        auto* picture = static_cast<TestPicture*>(list.Add());
        picture->name = name;
        picture->data = BytesOf("png:" + std::string(name.begin(), name.end()));
    }
}

std::vector<std::u16string> Names(const TestPictureList& list) {
    std::vector<std::u16string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(list.Picture(i)->name);
    return names;
}

std::vector<std::byte> DataOf(TBinaryObjectList& list) {
    ui::MemoryStream stream;
    list.WriteData(stream);
    return stream.TakeBytes();
}

TEST(BinaryObjectListTest, StoresOneClassNodePerItemAndLoadsThemBackInOrder) {
    TestPictureList list;
    Fill(list, {u"close", u"files", u"logo"});
    const std::vector<std::byte> data = DataOf(list);

    TBTDOC20 document;
    document.Load(data);
    ASSERT_EQ(document.Nodes().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        TBTNode20* node = document.Nodes().GetItems(i);
        EXPECT_EQ(node->NodeName(), u"BinaryObject");
        EXPECT_EQ(node->NodeCaption(), u"");
        ASSERT_NE(node->ConvertNode_Class(), nullptr);
        EXPECT_EQ(node->ConvertNode_Class()->Value(), u"TTestPicture");
    }

    TestPictureList loaded;
    ui::MemoryStream input(data);
    loaded.ReadData(input);
    EXPECT_EQ(Names(loaded), (std::vector<std::u16string>{u"close", u"files", u"logo"}));
    EXPECT_EQ(loaded.Picture(1)->data, BytesOf("png:files"));
    EXPECT_EQ(loaded.requestedClassNames, (std::vector<std::u16string>(3, u"")))
        << "the class name lives in the node's value, not in a ClassName child";
    EXPECT_EQ(DataOf(loaded), data);
}

TEST(BinaryObjectListTest, AnEmptyListIsTheSeventeenByteEmptyDocument) {
    TestPictureList list;
    const std::vector<std::byte> data = DataOf(list);
    EXPECT_EQ(data.size(), 17u);
    EXPECT_EQ(data, TBTDOC20().Save());

    TestPictureList loaded;
    Fill(loaded, {u"old"});
    ui::MemoryStream input(data);
    loaded.ReadData(input);
    EXPECT_EQ(loaded.Count(), 0);
}

TEST(BinaryObjectListTest, ReadingReplacesTheItemsAndReportsOnce) {
    TestPictureList source;
    Fill(source, {u"a", u"b"});
    const std::vector<std::byte> data = DataOf(source);

    TestPictureList list(true);
    Fill(list, {u"x", u"y", u"z"});
    int reports = 0;
    list.SetOnChange([&](ui::Object*) { ++reports; });
    ui::MemoryStream input(data);
    list.ReadData(input);
    EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_EQ(reports, 3 + 1) << "each freed item reports, the load reports once";

    ui::MemoryStream empty;
    list.ReadData(empty);
    EXPECT_EQ(list.Count(), 0) << "no bytes: the list is only cleared";
}

TEST(BinaryObjectListTest, AClassNameChildIsHandedToCreateBinaryObject) {
    TBTDOC20 document;
    TBTNode20_Class* item = document.TopNode()->AddChildNode_Class(u"BinaryObject");
    item->AddChildNode_WideString(u"ClassName")->SetValue(u"TSomethingElse");
    item->AddChildNode_WideString(u"Name")->SetValue(u"pic");
    ui::MemoryStream input(document.Save());

    TestPictureList list;
    list.ReadData(input);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.requestedClassNames, std::vector<std::u16string>{u"TSomethingElse"});
    EXPECT_EQ(list.Picture(0)->name, u"pic");
}

TEST(BinaryObjectListTest, NodesThatAreNotClassNodesAreSkipped) {
    TBTDOC20 document;
    document.TopNode()->AddChildNode_WideString(u"BinaryObject")->SetValue(u"stray");
    document.TopNode()->AddChildNode_Class(u"BinaryObject");
    ui::MemoryStream input(document.Save());
    TestPictureList list;
    list.ReadData(input);
    EXPECT_EQ(list.Count(), 1);
}

TEST(BinaryObjectListTest, AnUnreadableDocumentFailsAndLeavesTheListEmpty) {
    TestPictureList source;
    Fill(source, {u"a"});
    std::vector<std::byte> data = DataOf(source);
    data.resize(data.size() - 3);

    TestPictureList list;
    Fill(list, {u"x"});
    ui::MemoryStream input(data);
    EXPECT_THROW(list.ReadData(input), SkinError);
    EXPECT_EQ(list.Count(), 0);

    std::vector<std::byte> wrongVersion = DataOf(source);
    wrongVersion[0] = std::byte{21};
    ui::MemoryStream versionInput(wrongVersion);
    try {
        list.ReadData(versionInput);
        FAIL();
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "无效版本号");
    }
}

TEST(BinaryObjectListTest, TheBaseListCannotCreateItems) {
    TBinaryObjectList list;
    try {
        list.Add();
        FAIL();
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "Have Not Implement TBinaryObjectList.CreateBinaryObject");
    }
    TestPictureList source;
    Fill(source, {u"a"});
    ui::MemoryStream input(DataOf(source));
    EXPECT_THROW(list.ReadData(input), SkinError);

    ui::MemoryStream emptyListData(DataOf(list));
    list.ReadData(emptyListData);  // nothing to create: fine
    EXPECT_EQ(list.Count(), 0);
}

TEST(BinaryObjectListTest, EmptySlotsAreNotStored) {
    TestPictureList list;
    Fill(list, {u"a", u"b"});
    list.Insert(1, static_cast<ui::Object*>(nullptr));
    TestPictureList loaded;
    ui::MemoryStream input(DataOf(list));
    loaded.ReadData(input);
    EXPECT_EQ(Names(loaded), (std::vector<std::u16string>{u"a", u"b"}));
}

TEST(BinaryObjectListTest, AssignCopiesEveryItemIntoNewItems) {
    TestPictureList source;
    Fill(source, {u"a", u"b"});
    TestPictureList target;
    Fill(target, {u"old"});
    target.Assign(source);
    EXPECT_EQ(Names(target), (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_NE(target.Picture(0), source.Picture(0));
    EXPECT_EQ(target.Picture(1)->data, source.Picture(1)->data);
}

// A stream that records the size of every write.
class RecordingStream : public ui::Stream {
public:
    std::vector<size_t> writes;
    uint64_t size = 0;
    size_t Read(std::span<std::byte>) override { return 0; }
    void Write(std::span<const std::byte> bytes) override {
        writes.push_back(bytes.size());
        size += bytes.size();
    }
    uint64_t Size() const override { return size; }
    void SetSize(uint64_t value) override { size = value; }
    uint64_t Position() const override { return size; }
    void Seek(uint64_t) override {}
};

TEST(BinaryObjectListTest, DataIsCopiedOutInBlocksOfOneMebibyte) {
    TestPictureList list;
    Fill(list, {u"big"});
    list.Picture(0)->data.assign(2 * 1048576 + 10, std::byte{7});
    RecordingStream output;
    list.WriteData(output);
    ASSERT_EQ(output.writes.size(), 3u);
    EXPECT_EQ(output.writes[0], 1048576u);
    EXPECT_EQ(output.writes[1], 1048576u);
    EXPECT_EQ(output.size, DataOf(list).size());
}

TEST(BinaryObjectListTest, FilesRoundTripAndLoadingCanAppend) {
    const fs::path dir = fs::temp_directory_path() / "velnix-binary-object-list";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / u"图片 list.bt";

    TestPictureList list;
    Fill(list, {u"a", u"b"});
    list.SaveToFile(file);

    TestPictureList loaded;
    Fill(loaded, {u"kept"});
    loaded.LoadFromFile(file, false);
    EXPECT_EQ(Names(loaded), (std::vector<std::u16string>{u"kept", u"a", u"b"}));
    loaded.LoadFromFile(file, true);
    EXPECT_EQ(Names(loaded), (std::vector<std::u16string>{u"a", u"b"}));

    list.SaveToFile(dir / "missing-folder" / "x.bt");  // failure is logged, not raised
    EXPECT_THROW(loaded.LoadFromFile(dir / "absent.bt", true), std::runtime_error);
    EXPECT_EQ(loaded.Count(), 2) << "a file that cannot be read leaves the list alone";
    fs::remove_all(dir);
}

}  // namespace
}  // namespace skin
