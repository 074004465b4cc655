#include "skin/persist/bt_doc20.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "skin/core/skin_error.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace skin {
namespace {

using Bytes = std::vector<std::byte>;
using K = BTNodeType;

constexpr uint8_t Code(BTNodeType kind) { return static_cast<uint8_t>(kind); }
constexpr uint8_t kDirectory = Code(K::Directory);

// The eleven node kinds as the stored form has them: type code, name in diagnostics, size of a new node's value.
const struct KindFacts {
    BTNodeType kind;
    int code;
    const char* name;
    uint32_t newSize;
} kKinds[] = {
    {K::Directory, 0, "Directory", 0}, {K::WideString, 4, "WideString", 0}, {K::Int32, 7, "Int32", 4},
    {K::UInt8, 9, "UInt8", 1},         {K::UInt32, 11, "UInt32", 4},        {K::Real64, 14, "Real64", 8},
    {K::DateTime, 17, "DateTime", 8},  {K::Bool32, 21, "Bool32", 4},        {K::Binary, 23, "Binary", 0},
    {K::Class, 24, "Class", 0},        {K::Color, 25, "Color", 5},
};

Bytes B(std::initializer_list<int> values) {
    Bytes out;
    for (const int v : values) out.push_back(static_cast<std::byte>(v));
    return out;
}

void PutU32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::byte>(v >> (8 * i)));
}

Bytes Utf16(std::u16string_view text, bool terminate = true) {
    Bytes out;
    for (const char16_t c : text) {
        out.push_back(static_cast<std::byte>(c & 0xFF));
        out.push_back(static_cast<std::byte>(c >> 8));
    }
    if (terminate && !text.empty()) out.insert(out.end(), 2, std::byte{0});
    return out;
}

// One stored node record (a directory unless T names another kind or TypeCode gives any code). The lengths come
// from the texts and the value unless given explicitly.
struct Rec {
    uint8_t type = kDirectory;
    uint32_t children = 0;
    std::u16string name = u"n";
    std::u16string caption;
    Bytes value;
    int nameSize = -1;
    int captionSize = -1;
    int64_t dataSize = -1;

    Rec& T(BTNodeType v) {
        type = static_cast<uint8_t>(v);
        return *this;
    }
    Rec& TypeCode(int v) {
        type = static_cast<uint8_t>(v);
        return *this;
    }
    Rec& C(uint32_t v) {
        children = v;
        return *this;
    }
    Rec& N(std::u16string v) {
        name = std::move(v);
        return *this;
    }
    Rec& Cap(std::u16string v) {
        caption = std::move(v);
        return *this;
    }
    Rec& V(Bytes v) {
        value = std::move(v);
        return *this;
    }
    Rec& NL(int v) {
        nameSize = v;
        return *this;
    }
    Rec& CL(int v) {
        captionSize = v;
        return *this;
    }
    Rec& DS(int64_t v) {
        dataSize = v;
        return *this;
    }
};

void Append(Bytes& out, const Rec& r) {
    const Bytes name = Utf16(r.name);
    const Bytes caption = Utf16(r.caption);
    out.push_back(static_cast<std::byte>(r.type));
    PutU32(out, r.children);
    out.push_back(static_cast<std::byte>(r.nameSize >= 0 ? r.nameSize : static_cast<int>(name.size())));
    out.push_back(static_cast<std::byte>(r.captionSize >= 0 ? r.captionSize : static_cast<int>(caption.size())));
    PutU32(out, static_cast<uint32_t>(r.dataSize >= 0 ? r.dataSize : static_cast<int64_t>(r.value.size())));
    out.insert(out.end(), name.begin(), name.end());
    out.insert(out.end(), caption.begin(), caption.end());
    out.insert(out.end(), r.value.begin(), r.value.end());
}

Bytes Doc(std::u16string_view docName, const std::vector<Rec>& records, uint8_t version = 20) {
    Bytes out{static_cast<std::byte>(version)};
    const Bytes name = Utf16(docName);
    out.push_back(static_cast<std::byte>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    for (const Rec& r : records) Append(out, r);
    return out;
}

// The usual root: the directory "\" with the given number of children.
Rec Root(uint32_t children) { return Rec().N(u"\\").C(children); }

// The SkinError message of f, "" when it does not throw. Any other exception fails the test.
std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const SkinError& e) {
        return e.what();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "unexpected exception: " << e.what();
        return "<other exception>";
    }
    return "";
}

std::string U8(std::u16string_view text) { return ui::Utf16ToUtf8(text); }

// A document with every kind of node, non-ASCII names and three levels.
void FillEveryKind(TBTDOC20& doc) {
    doc.SetName(u"皮肤 Skin");
    TBTNode20* form = doc.CreateNode(Code(K::Class), nullptr, u"窗体", u"Main form");
    form->ConvertNode_Class()->SetValue(u"TSkinForm");
    form->AddChildNode_WideString(u"Title", u"标题")->SetValue(u"Velnix 安装程序");
    form->AddChildNode_WideString(u"Empty");
    form->AddChildNode_Int32(u"Left")->SetValue(-123456);
    form->AddChildNode_UInt8(u"Alpha")->SetValue(200);
    form->AddChildNode_UInt32(u"Flags")->SetValue(0xDEADBEEF);
    form->AddChildNode_Real64(u"Scale")->SetValue(1.25);
    form->AddChildNode_DateTime(u"Built")->SetValue(45000.5);
    form->AddChildNode_Bool32(u"Visible")->SetValue(true);
    form->AddChildNode_Bool32(u"Hidden")->SetValue(false);
    form->AddChildNode_Color(u"Background")->SetColor(0x80112233);
    TBTNode20_Directory* pictures = form->AddChildNode_Directory(u"Pictures");
    TBTNode20_Class* picture = pictures->AddChildNode_Class(u"图片");
    picture->SetValue(u"TSkinPicture");
    auto* data = picture->AddChildNode_Binary(u"Data", u"PNG");
    for (int i = 0; i < 300; ++i) data->Buffer().push_back(static_cast<std::byte>(i * 7));
    picture->AddChildNode_Binary(u"NoData");
    doc.CreateNode(Code(K::Directory), nullptr, u"Empty dir");
}

// ---------------------------------------------------------------------------------------------------------------
// Stored form

TEST(BTDoc20Format, NewDocumentSavesToSeventeenBytesAndLoadsBack) {
    TBTDOC20 doc;
    EXPECT_EQ(doc.Version(), 20);
    EXPECT_TRUE(doc.Name().empty());
    ASSERT_NE(doc.TopNode(), nullptr);
    EXPECT_EQ(doc.TopNode()->NodeName(), u"\\");
    EXPECT_EQ(doc.TopNode()->NodeType(), BTNodeType::Directory);
    EXPECT_TRUE(doc.TopNode()->NodeCaption().empty());

    const Bytes expected = B({20, 0, 0x00, 0, 0, 0, 0, 0x04, 0x00, 0, 0, 0, 0, 0x5C, 0x00, 0x00, 0x00});
    EXPECT_EQ(doc.Save(), expected);

    TBTDOC20 other;
    other.SetName(u"old");
    other.CreateNode(kDirectory, nullptr, u"child");
    other.Load(expected);
    EXPECT_TRUE(other.Name().empty());
    EXPECT_EQ(other.TopNode()->NodeName(), u"\\");
    EXPECT_EQ(other.Nodes().Count(), 0);
    EXPECT_EQ(other.Save(), expected);
}

TEST(BTDoc20Format, EmptyTextsAreStoredWithZeroLengths) {
    TBTDOC20 doc;
    doc.SetName(u"D");
    doc.CreateNode(Code(K::WideString), nullptr, u"s");
    doc.CreateNode(Code(K::Class), nullptr, u"c");
    Bytes expected = Doc(u"D", {Root(2), Rec().T(K::WideString).N(u"s"), Rec().T(K::Class).N(u"c")});
    ASSERT_EQ(doc.Save(), expected);
    // The text node's record: type 4, no children, NL 4, CL 0, DS 0.
    const size_t at = 2 + 4 + 15;
    EXPECT_EQ(Bytes(expected.begin() + at, expected.begin() + at + 11), B({4, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0}));

    TBTDOC20 loaded;
    loaded.Load(expected);
    auto* s = loaded.Nodes().GetItems(0)->ConvertNode_WideString();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->Value().empty());
    EXPECT_TRUE(s->NodeCaption().empty());
    EXPECT_EQ(s->DataSize(), 0u);
}

TEST(BTDoc20Format, ColourIsStoredInFiveBytesAndTheFifthIsIgnored) {
    TBTDOC20 doc;
    doc.CreateNode(Code(K::Color), nullptr, u"c")->ConvertNode_Color()->SetColor(0xAABBCCDD);
    const Bytes saved = doc.Save();
    const Bytes expected = Doc(u"", {Root(1), Rec().T(K::Color).N(u"c").V(B({0xDD, 0xCC, 0xBB, 0xAA, 0x00}))});
    ASSERT_EQ(saved, expected);

    Bytes noisy = expected;
    noisy.at(noisy.size() - 1) = std::byte{0x7F};
    TBTDOC20 loaded;
    loaded.Load(noisy);
    EXPECT_EQ(loaded.Nodes().GetItems(0)->ConvertNode_Color()->Color(), 0xAABBCCDDu);
    EXPECT_EQ(loaded.Save(), expected);
}

TEST(BTDoc20Format, StoredTextsLongerThanEightyUnitsAreCut) {
    const std::u16string longName(100, u'x');
    const std::u16string longCaption(120, u'y');
    TBTDOC20 doc;
    doc.Load(Doc(std::u16string(90, u'd'), {Root(1), Rec().T(K::Directory).N(longName).Cap(longCaption)}));
    EXPECT_EQ(doc.Name(), std::u16string(80, u'd'));
    const TBTNode20* node = doc.Nodes().GetItems(0);
    EXPECT_EQ(node->NodeName(), std::u16string(80, u'x'));
    EXPECT_EQ(node->NodeCaption(), std::u16string(80, u'y'));
}

TEST(BTDoc20Format, StoredTextEndsAtFirstZeroUnitAndIgnoresAnOddByte) {
    // Name bytes "ab\0c" followed by a stray byte; caption of 3 bytes ("z" and half a unit).
    Rec r = Rec().T(K::WideString).N(u"");
    Bytes doc = Doc(u"", {Root(1)});
    const Bytes name = B({'a', 0, 'b', 0, 0, 0, 'c', 0, 'q'});
    const Bytes caption = B({'z', 0, 'w'});
    const Bytes value = B({'v', 0, 0, 0, 'x', 0, 'y'});
    r.nameSize = static_cast<int>(name.size());
    r.captionSize = static_cast<int>(caption.size());
    r.dataSize = static_cast<int64_t>(value.size());
    Append(doc, r);
    doc.insert(doc.end(), name.begin(), name.end());
    doc.insert(doc.end(), caption.begin(), caption.end());
    doc.insert(doc.end(), value.begin(), value.end());

    TBTDOC20 loaded;
    loaded.Load(doc);
    const TBTNode20* node = loaded.Nodes().GetItems(0);
    EXPECT_EQ(node->NodeName(), u"ab");
    EXPECT_EQ(node->NodeCaption(), u"z");
    EXPECT_EQ(loaded.Nodes().GetItems(0)->ConvertNode_WideString()->Value(), u"v");
}

TEST(BTDoc20Format, RecordWithoutNameKeepsProvisionalName) {
    const struct {
        const char* what;
        Bytes stored;
    } cases[] = {{"no name bytes", {}},
                 {"only the terminator", B({0, 0})},
                 {"terminator first", B({0, 0, 'a', 0})},
                 {"a single byte", B({'a'})}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = Doc(u"", {Root(1)});
        Append(bytes, Rec().T(K::Int32).N(u"").NL(static_cast<int>(c.stored.size())).V(B({1, 0, 0, 0})));
        bytes.insert(bytes.end() - 4, c.stored.begin(), c.stored.end());
        TBTDOC20 doc;
        doc.Load(bytes);
        EXPECT_EQ(doc.Nodes().GetItems(0)->NodeName(), u"NONAME");
        EXPECT_EQ(doc.Nodes().GetItems(0)->ConvertNode_Int32()->Value(), 1);
        // Saved with the name, which then loads the same.
        const Bytes saved = doc.Save();
        EXPECT_EQ(saved, Doc(u"", {Root(1), Rec().T(K::Int32).N(u"NONAME").V(B({1, 0, 0, 0}))}));
    }
}

TEST(BTDoc20Format, FixedSizeValueOfZeroBytesKeepsTheDefault) {
    TBTDOC20 doc;
    doc.Load(Doc(u"", {Root(3), Rec().T(K::Int32), Rec().T(K::Color), Rec().T(K::Bool32)}));
    EXPECT_EQ(doc.Nodes().GetItems(0)->ConvertNode_Int32()->Value(), 0);
    EXPECT_EQ(doc.Nodes().GetItems(1)->ConvertNode_Color()->Color(), 0u);
    EXPECT_FALSE(doc.Nodes().GetItems(2)->ConvertNode_Bool32()->Value());
    // Saved again with the proper sizes.
    EXPECT_EQ(doc.Save(), Doc(u"", {Root(3), Rec().T(K::Int32).V(B({0, 0, 0, 0})),
                                    Rec().T(K::Color).V(B({0, 0, 0, 0, 0})), Rec().T(K::Bool32).V(B({0, 0, 0, 0}))}));
}

TEST(BTDoc20Format, RecordsAreInDepthFirstPreOrder) {
    TBTDOC20 doc;
    TBTNode20* a = doc.CreateNode(kDirectory, nullptr, u"a");
    doc.CreateNode(kDirectory, a, u"a1");
    doc.CreateNode(kDirectory, doc.CreateNode(kDirectory, a, u"a2"), u"a2x");
    doc.CreateNode(kDirectory, nullptr, u"b");
    const Bytes expected =
        Doc(u"", {Root(2), Rec().C(2).N(u"a"), Rec().N(u"a1"), Rec().C(1).N(u"a2"), Rec().N(u"a2x"), Rec().N(u"b")});
    EXPECT_EQ(doc.Save(), expected);
}

TEST(BTDoc20Format, TrailingBytesAfterTheTreeAreIgnored) {
    Bytes bytes = Doc(u"", {Root(1), Rec().N(u"a")});
    const Bytes clean = bytes;
    bytes.insert(bytes.end(), {std::byte{0xFF}, std::byte{0x01}, std::byte{0x02}});
    TBTDOC20 doc;
    doc.Load(bytes);
    EXPECT_EQ(doc.Save(), clean);
}

TEST(BTDoc20Format, RoundTripOfEveryKindIsByteExact) {
    TBTDOC20 doc;
    FillEveryKind(doc);
    const Bytes saved = doc.Save();

    TBTDOC20 loaded;
    loaded.Load(saved);
    EXPECT_EQ(loaded.Name(), u"皮肤 Skin");
    TBTNode20* form = loaded.FindNodeByName(u"窗体", false);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->NodeCaption(), u"Main form");
    ASSERT_NE(form->ConvertNode_Class(), nullptr);
    EXPECT_EQ(form->ConvertNode_Class()->Value(), u"TSkinForm");
    EXPECT_EQ(form->FindChildNodeByName(u"Title")->ConvertNode_WideString()->Value(), u"Velnix 安装程序");
    EXPECT_EQ(form->FindChildNodeByName(u"Title")->NodeCaption(), u"标题");
    EXPECT_EQ(form->FindChildNodeByName(u"Empty")->ConvertNode_WideString()->Value(), u"");
    EXPECT_EQ(form->FindChildNodeByName(u"Left")->ConvertNode_Int32()->Value(), -123456);
    EXPECT_EQ(form->FindChildNodeByName(u"Alpha")->ConvertNode_UInt8()->Value(), 200);
    EXPECT_EQ(form->FindChildNodeByName(u"Flags")->ConvertNode_UInt32()->Value(), 0xDEADBEEFu);
    EXPECT_EQ(form->FindChildNodeByName(u"Scale")->ConvertNode_Real64()->Value(), 1.25);
    EXPECT_EQ(form->FindChildNodeByName(u"Built")->ConvertNode_DateTime()->Value(), 45000.5);
    EXPECT_TRUE(form->FindChildNodeByName(u"Visible")->ConvertNode_Bool32()->Value());
    EXPECT_FALSE(form->FindChildNodeByName(u"Hidden")->ConvertNode_Bool32()->Value());
    EXPECT_EQ(form->FindChildNodeByName(u"Background")->ConvertNode_Color()->Color(), 0x80112233u);
    TBTNode20* data = loaded.FindNodeByPath(u"窗体\\Pictures\\图片\\Data");
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->ConvertNode_Binary()->Buffer().size(), 300u);
    EXPECT_EQ(data->ConvertNode_Binary()->Buffer()[299], static_cast<std::byte>(299 * 7));
    EXPECT_EQ(data->ParentNode()->ConvertNode_Class()->Value(), u"TSkinPicture");
    EXPECT_EQ(loaded.Nodes().GetItems(1)->NodeName(), u"Empty dir");

    EXPECT_EQ(loaded.Save(), saved);
}

TEST(BTDoc20Format, Bool32ReadsAnyNonZeroAsTrueAndWritesMinusOne) {
    TBTDOC20 doc;
    doc.Load(Doc(u"", {Root(1), Rec().T(K::Bool32).V(B({2, 0, 0, 0}))}));
    EXPECT_TRUE(doc.Nodes().GetItems(0)->ConvertNode_Bool32()->Value());
    EXPECT_EQ(doc.Save(), Doc(u"", {Root(1), Rec().T(K::Bool32).V(B({0xFF, 0xFF, 0xFF, 0xFF}))}));
}

TEST(BTDoc20Format, RootOfAnotherKindIsKept) {
    TBTDOC20 doc;
    const Bytes bytes = Doc(u"", {Rec().T(K::Class).C(1).N(u"R").V(Utf16(u"T")), Rec()});
    doc.Load(bytes);
    ASSERT_NE(doc.TopNode()->ConvertNode_Class(), nullptr);
    EXPECT_EQ(doc.TopNode()->ConvertNode_Class()->Value(), u"T");
    EXPECT_EQ(doc.Nodes().Count(), 1);
    EXPECT_EQ(doc.Save(), bytes);
}

// ---------------------------------------------------------------------------------------------------------------
// Damaged documents

TEST(BTDoc20Damaged, WrongVersionFailsBeforeAnyNodeIsRead) {
    // The first record has an unknown type code; the version is checked first all the same.
    Bytes bytes = Doc(u"", {Rec().TypeCode(99)}, 21);
    TBTDOC20 doc;
    doc.SetName(u"kept");
    doc.CreateNode(kDirectory, nullptr, u"child");
    EXPECT_EQ(ErrorOf([&] { doc.Load(bytes); }), "无效版本号");
    EXPECT_EQ(doc.Name(), u"kept");
    EXPECT_EQ(doc.TopNode()->NodeName(), u"\\");
    EXPECT_EQ(doc.Nodes().Count(), 0);
}

TEST(BTDoc20Damaged, EveryTruncationFails) {
    TBTDOC20 source;
    FillEveryKind(source);
    const Bytes full = source.Save();
    for (size_t length = 0; length < full.size(); ++length) {
        SCOPED_TRACE("length " + std::to_string(length));
        TBTDOC20 doc;
        const std::string error = ErrorOf([&] { doc.Load(std::span(full.data(), length)); });
        if (length < 2) {
            EXPECT_EQ(error, "无效文档");
        } else {
            // Either a length runs past the end or the child counts need more records than are left.
            EXPECT_EQ(error.rfind("Invalid document: ", 0), 0u) << error;
            EXPECT_TRUE(error.find("truncated") != std::string::npos ||
                        error.find("has child count") != std::string::npos)
                << error;
        }
        ASSERT_NE(doc.TopNode(), nullptr);
        EXPECT_NO_THROW(doc.Save());
    }
}

struct DamagedCase {
    const char* what;
    Bytes bytes;
    const char* message;  // exact Chinese message, or a part of the English one
};

std::vector<DamagedCase> DamagedCases() {
    std::vector<DamagedCase> cases;
    auto add = [&](const char* what, Bytes bytes, const char* message) {
        cases.push_back({what, std::move(bytes), message});
    };
    add("empty", {}, "无效文档");
    add("one byte", B({20}), "无效文档");
    add("version 19, nothing else", B({19, 0}), "无效版本号");
    add("document name beyond the end", B({20, 10, 'a', 0}),
        "document name at offset 2 is truncated (10 bytes needed, 2 left)");
    add("no root record", B({20, 0}), "node record at offset 2 is truncated (11 bytes needed, 0 left)");
    add("unknown root code", Doc(u"", {Rec().TypeCode(1)}), "无效节点");
    add("unknown child code", Doc(u"", {Root(1), Rec().TypeCode(26)}), "无效节点");
    add("code 255", Doc(u"", {Root(1), Rec().TypeCode(255)}), "无效节点");
    {
        Bytes b = Doc(u"", {Root(1)});
        b.insert(b.end(), {std::byte{0}, std::byte{0}, std::byte{0}, std::byte{0}, std::byte{0}});
        add("short child head", b, "node record at offset 2 has child count 1, more than the 5 bytes left can hold");
    }
    add("name beyond the end", Doc(u"", {Root(1), Rec().N(u"a").NL(200)}),
        "name of the node record at offset 17 is truncated (200 bytes needed, 4 left)");
    add("caption beyond the end", Doc(u"", {Root(1), Rec().N(u"a").CL(9)}),
        "caption of the node record at offset 17 is truncated (9 bytes needed, 0 left)");
    add("value beyond the end", Doc(u"", {Root(1), Rec().T(K::Binary).V(B({1, 2})).DS(3)}),
        "value of the node record at offset 17 is truncated (3 bytes needed, 2 left)");
    add("huge value size", Doc(u"", {Root(1), Rec().T(K::Binary).DS(0xFFFFFFFF)}), "(4294967295 bytes needed, 0 left)");
    add("more children than records", Doc(u"", {Root(2), Rec()}),
        "node record at offset 2 has child count 2, more than the 15 bytes left can hold");
    add("huge child count", Doc(u"", {Root(0xFFFFFFFF), Rec()}),
        "node record at offset 2 has child count 4294967295, more than the 15 bytes left can hold");
    add("child counts add up beyond the block", Doc(u"", {Root(2), Rec().C(1), Rec()}),
        "node record at offset 17 has child count 1, more than the 15 bytes left can hold");
    add("Int32 of 3 bytes", Doc(u"", {Root(1), Rec().T(K::Int32).V(B({1, 2, 3}))}),
        "Int32 node record at offset 17 has a value of 3 bytes (4 expected)");
    add("UInt8 of 2 bytes", Doc(u"", {Root(1), Rec().T(K::UInt8).V(B({1, 2}))}),
        "UInt8 node record at offset 17 has a value of 2 bytes (1 expected)");
    add("UInt32 of 8 bytes", Doc(u"", {Root(1), Rec().T(K::UInt32).V(Bytes(8))}), "(4 expected)");
    add("Real64 of 4 bytes", Doc(u"", {Root(1), Rec().T(K::Real64).V(Bytes(4))}), "(8 expected)");
    add("DateTime of 9 bytes", Doc(u"", {Root(1), Rec().T(K::DateTime).V(Bytes(9))}), "(8 expected)");
    add("Bool32 of 1 byte", Doc(u"", {Root(1), Rec().T(K::Bool32).V(Bytes(1))}), "(4 expected)");
    add("Color of 4 bytes", Doc(u"", {Root(1), Rec().T(K::Color).V(Bytes(4))}),
        "Color node record at offset 17 has a value of 4 bytes (5 expected)");
    add("UInt8 root of 3 bytes", Doc(u"", {Rec().T(K::UInt8).V(Bytes(3))}), "(1 expected)");
    return cases;
}

TEST(BTDoc20Damaged, EachFailsWithItsMessageAndKeepsARoot) {
    for (const DamagedCase& c : DamagedCases()) {
        SCOPED_TRACE(c.what);
        TBTDOC20 doc;
        doc.CreateNode(kDirectory, nullptr, u"previous");
        const std::string error = ErrorOf([&] { doc.Load(c.bytes); });
        const std::string expected = c.message;
        if (static_cast<unsigned char>(expected[0]) >= 0x80) {
            EXPECT_EQ(error, expected);
        } else {
            EXPECT_NE(error.find(expected), std::string::npos) << error;
            EXPECT_EQ(error.rfind("Invalid document: ", 0), 0u) << error;
        }
        ASSERT_NE(doc.TopNode(), nullptr);
        EXPECT_NO_THROW(doc.Save());
    }
}

TEST(BTDoc20Damaged, FailedLoadKeepsWhatWasReadBefore) {
    // Root with children a (holding a1) and b; b's value is cut off.
    Bytes bytes = Doc(u"Doc", {Root(2), Rec().C(1).N(u"a"), Rec().N(u"a1"), Rec().T(K::Binary).N(u"b").DS(50)});
    TBTDOC20 doc;
    EXPECT_NE(ErrorOf([&] { doc.Load(bytes); }), "");
    EXPECT_EQ(doc.Name(), u"Doc");
    ASSERT_EQ(doc.Nodes().Count(), 1);
    EXPECT_EQ(doc.Nodes().GetItems(0)->NodeName(), u"a");
    EXPECT_EQ(doc.Nodes().GetItems(0)->ChildNodes().GetItems(0)->NodeName(), u"a1");
}

TEST(BTDoc20Damaged, UnreadableRootLeavesAFreshRoot) {
    TBTDOC20 doc;
    doc.Load(Doc(u"", {Rec().T(K::Class).N(u"Other")}));
    ASSERT_EQ(doc.TopNode()->NodeName(), u"Other");
    EXPECT_EQ(ErrorOf([&] { doc.Load(Doc(u"", {Rec().T(K::Int32).V(Bytes(2))})); }),
              "Invalid document: Int32 node record at offset 2 has a value of 2 bytes (4 expected)");
    EXPECT_EQ(doc.TopNode()->NodeName(), u"\\");
    EXPECT_EQ(doc.TopNode()->NodeType(), BTNodeType::Directory);
    EXPECT_EQ(doc.Nodes().Count(), 0);
}

// ---------------------------------------------------------------------------------------------------------------
// Depth

TEST(BTDoc20Deep, TwoHundredThousandLevelsLoadSaveSearchAndFree) {
    constexpr size_t kDepth = 200000;
    Bytes bytes = B({20, 0});
    bytes.reserve(2 + 15 * kDepth + 16);
    for (size_t i = 0; i < kDepth; ++i) Append(bytes, Rec().C(1).N(u"a"));
    Append(bytes, Rec().T(K::WideString).N(u"leaf").V(Utf16(u"bottom")));

    auto doc = std::make_unique<TBTDOC20>();
    doc->Load(bytes);
    EXPECT_EQ(doc->TopNode()->NodeName(), u"a");
    EXPECT_EQ(doc->Save(), bytes);

    TBTNode20* leaf = doc->FindNodeByName(u"leaf", true);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->ConvertNode_WideString()->Value(), u"bottom");
    EXPECT_EQ(doc->FindNodeByName(u"missing", true), nullptr);

    std::u16string path;
    for (size_t i = 1; i < kDepth; ++i) path += u"a\\";
    path += u"leaf";
    EXPECT_EQ(doc->FindNodeByPath(path), leaf);

    TBTDOC20 copy;
    copy.Assign(*doc);
    doc.reset();
    EXPECT_EQ(copy.Save(), bytes);
    copy.Clear();
    EXPECT_EQ(copy.Nodes().Count(), 0);
}

TEST(BTDoc20Deep, DeepTreeBuiltThroughTheApiIsFreed) {
    auto root = CreateBTNode20(kDirectory, u"r");
    TBTNode20* node = root.get();
    for (int i = 0; i < 200000; ++i) node = node->AddChildNode_Directory(u"d");
    root.reset();  // must not overflow the stack
}

// ---------------------------------------------------------------------------------------------------------------
// Searching

TEST(BTDoc20Search, FindNodeByNameTakesTheLaterAndFindChildNodeByNameTheEarlier) {
    TBTDOC20 doc;
    TBTNode20* first = doc.CreateNode(kDirectory, nullptr, u"twin");
    TBTNode20* second = doc.CreateNode(kDirectory, nullptr, u"twin");
    EXPECT_EQ(doc.FindNodeByName(u"twin", false), second);
    EXPECT_EQ(doc.FindNodeByName(u"twin", true), second);
    EXPECT_EQ(doc.Nodes().FindNodeByName(u"twin"), second);
    EXPECT_EQ(doc.TopNode()->FindChildNodeByName(u"twin"), first);
    EXPECT_EQ(doc.FindNodeByName(u"Twin", false), nullptr);
}

TEST(BTDoc20Search, RecursiveNameSearchOrder) {
    // root: x(target1, y(target2)), target3, z(target4)
    TBTDOC20 doc;
    TBTNode20* x = doc.CreateNode(kDirectory, nullptr, u"x");
    TBTNode20* t1 = doc.CreateNode(kDirectory, x, u"target");
    TBTNode20* y = doc.CreateNode(kDirectory, x, u"y");
    TBTNode20* t2 = doc.CreateNode(kDirectory, y, u"target");
    TBTNode20* t3 = doc.CreateNode(kDirectory, nullptr, u"target");
    TBTNode20* z = doc.CreateNode(kDirectory, nullptr, u"z");
    TBTNode20* t4 = doc.CreateNode(kDirectory, z, u"target");

    EXPECT_EQ(doc.FindNodeByName(u"target", false), t3);
    // z is looked at (and searched) before the earlier sibling target3.
    EXPECT_EQ(doc.FindNodeByName(u"target", true), t4);
    z->ChildNodes().Delete(0);
    EXPECT_EQ(doc.FindNodeByName(u"target", true), t3);
    doc.Nodes().Delete(doc.Nodes().IndexOf(t3));
    // Within x, the later child y is searched before target1.
    EXPECT_EQ(doc.FindNodeByName(u"target", true), t2);
    EXPECT_EQ(doc.FindNodeByName(u"target", false), nullptr);
    y->ChildNodes().Clear();
    EXPECT_EQ(doc.FindNodeByName(u"target", true), t1);
    EXPECT_EQ(doc.FindNodeByName(u"\\", true), nullptr);  // the root itself is not a candidate
}

TEST(BTDoc20Search, FindNodeByPath) {
    // root: a(c), a(b(leaf)), " s"(t)
    TBTDOC20 doc;
    TBTNode20* a1 = doc.CreateNode(kDirectory, nullptr, u"a");
    doc.CreateNode(kDirectory, a1, u"c");
    TBTNode20* a2 = doc.CreateNode(kDirectory, nullptr, u"a");
    TBTNode20* b = doc.CreateNode(kDirectory, a2, u"b");
    TBTNode20* leaf = doc.CreateNode(kDirectory, b, u"leaf");
    TBTNode20* s = doc.CreateNode(kDirectory, nullptr, u" s");
    doc.CreateNode(kDirectory, s, u"t");

    const struct {
        std::u16string_view path;
        TBTNode20* found;
    } cases[] = {
        {u"a", a1},
        {u"\\a\\b\\", b},          // leading and trailing backslashes
        {u"  \\\\a\\b\\\\  ", b},  // blanks, then backslashes
        {u"a\\b\\leaf", leaf},     // the first a has no b: the search goes on with the second a
        {u"a\\c", a1->ChildNodes().GetItems(0)},
        {u"a\\\\b", b},  // each level trims its rest the same way
        {u"a\\b\\nothing", nullptr},
        {u"A\\b", nullptr},  // case-sensitive
        {u"", nullptr},
        {u"   ", nullptr},
        {u"\\\\\\", nullptr},
        {u"\\", nullptr},
        {u" s", nullptr},  // the surrounding blanks are trimmed off
        {u"\\ s", s},      // but not those inside the backslashes
        {u"b", nullptr},   // only below the root's children by path
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(U8(c.path));
        EXPECT_EQ(doc.FindNodeByPath(c.path), c.found);
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Nodes and node lists

TEST(BTNode20, CreationRejectsEmptyOrBlankNamesAndUnknownCodes) {
    TBTDOC20 doc;
    const std::u16string_view blankNames[] = {u"", u" ", u"\t\r\n", std::u16string_view(u"\0\x1F ", 3)};
    for (const std::u16string_view name : blankNames) {
        SCOPED_TRACE(U8(name));
        EXPECT_EQ(ErrorOf([&] { doc.CreateNode(kDirectory, nullptr, name); }), "节点名称不能为空");
        EXPECT_EQ(ErrorOf([&] { CreateBTNode20(Code(K::WideString), name); }), "节点名称不能为空");
        EXPECT_EQ(ErrorOf([&] { doc.TopNode()->AddChildNode_Int32(name); }), "节点名称不能为空");
        EXPECT_EQ(ErrorOf([&] { TBTNode20_Binary n(name); }), "节点名称不能为空");
    }
    for (const int code : {1, 2, 3, 5, 6, 8, 10, 12, 13, 15, 16, 18, 19, 20, 22, 26, 255}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(IsBTNodeTypeCode(static_cast<uint8_t>(code)));
        EXPECT_EQ(ErrorOf([&] { doc.CreateNode(static_cast<uint8_t>(code), nullptr, u"x"); }), "无效节点");
        EXPECT_EQ(ErrorOf([&] { doc.TopNode()->AddChildNode(static_cast<uint8_t>(code), u"x"); }), "无效节点");
    }
    EXPECT_EQ(doc.Nodes().Count(), 0);
    EXPECT_NO_THROW(doc.CreateNode(kDirectory, nullptr, u" x "));
}

TEST(BTNode20, NamesAndCaptionsAreCutToEighty) {
    const std::u16string longText(81, u'n');
    auto node = CreateBTNode20(kDirectory, longText, longText);
    EXPECT_EQ(node->NodeName().size(), 80u);
    EXPECT_EQ(node->NodeCaption().size(), 80u);
    node->SetNodeName(std::u16string(200, u'm'));
    node->SetNodeCaption(std::u16string(81, u'c'));
    EXPECT_EQ(node->NodeName(), std::u16string(80, u'm'));
    EXPECT_EQ(node->NodeCaption(), std::u16string(80, u'c'));
    node->SetNodeCaption(u"");
    EXPECT_TRUE(node->NodeCaption().empty());

    TBTDOC20 doc;
    doc.SetName(longText);
    EXPECT_EQ(doc.Name().size(), 80u);
}

TEST(BTNode20, TheElevenKindsAreTheOnlyCodesAndEachMakesItsOwnKind) {
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        const KindFacts* facts = nullptr;
        for (const KindFacts& k : kKinds) {
            if (k.code == code) facts = &k;
        }
        EXPECT_EQ(IsBTNodeTypeCode(static_cast<uint8_t>(code)), facts != nullptr);
        if (facts == nullptr) {
            EXPECT_EQ(ErrorOf([&] { CreateBTNode20(static_cast<uint8_t>(code), u"x"); }), "无效节点");
            continue;
        }
        EXPECT_EQ(Code(facts->kind), code);
        EXPECT_STREQ(BTNodeTypeName(facts->kind), facts->name);
        EXPECT_EQ(CreateBTNode20(static_cast<uint8_t>(code), u"x")->NodeType(), facts->kind);
    }
}

TEST(BTNode20, EveryKindConvertsOnlyToItself) {
    for (const KindFacts& k : kKinds) {
        const BTNodeType kind = k.kind;
        SCOPED_TRACE(k.name);
        auto node = CreateBTNode20(Code(kind), u"n");
        EXPECT_EQ(node->NodeType(), kind);
        TBTNode20* n = node.get();
        const std::pair<BTNodeType, void*> conversions[] = {
            {BTNodeType::Directory, n->ConvertNode_Directory()}, {BTNodeType::WideString, n->ConvertNode_WideString()},
            {BTNodeType::Int32, n->ConvertNode_Int32()},         {BTNodeType::UInt8, n->ConvertNode_UInt8()},
            {BTNodeType::UInt32, n->ConvertNode_UInt32()},       {BTNodeType::Real64, n->ConvertNode_Real64()},
            {BTNodeType::DateTime, n->ConvertNode_DateTime()},   {BTNodeType::Bool32, n->ConvertNode_Bool32()},
            {BTNodeType::Binary, n->ConvertNode_Binary()},       {BTNodeType::Class, n->ConvertNode_Class()},
            {BTNodeType::Color, n->ConvertNode_Color()},
        };
        for (const auto& [target, converted] : conversions) {
            EXPECT_EQ(converted != nullptr, target == kind) << static_cast<int>(target);
        }
    }
}

TEST(BTNode20, NewNodesHoldTheEmptyValue) {
    for (const KindFacts& c : kKinds) {
        SCOPED_TRACE(c.name);
        auto node = CreateBTNode20(Code(c.kind), u"n");
        EXPECT_EQ(node->DataSize(), c.newSize);
        Bytes value(c.newSize, std::byte{0x55});
        node->ReadBuffer(value);
        const size_t valueBytes = c.kind == K::Color ? 4 : c.newSize;
        EXPECT_EQ(Bytes(value.begin(), value.begin() + valueBytes), Bytes(valueBytes)) << "not all zero";
    }
}

TEST(BTNode20, WriteAndReadBuffer) {
    TBTNode20_WideString text(u"t");
    text.WriteBuffer(Utf16(u"héllo"));
    EXPECT_EQ(text.Value(), u"héllo");
    EXPECT_EQ(text.DataSize(), 12u);
    Bytes out(text.DataSize());
    text.ReadBuffer(out);
    EXPECT_EQ(out, Utf16(u"héllo"));
    text.WriteBuffer(Utf16(u"ab", false));  // no terminator: up to the end
    EXPECT_EQ(text.Value(), u"ab");

    TBTNode20_Int32 i32(u"i");
    i32.WriteBuffer(B({0xFE, 0xFF, 0xFF, 0xFF, 0x99}));  // extra bytes are not part of the value
    EXPECT_EQ(i32.Value(), -2);
    EXPECT_NE(ErrorOf([&] { i32.WriteBuffer(B({1, 2, 3})); }), "");
    EXPECT_EQ(i32.Value(), -2);

    TBTNode20_Real64 real(u"r");
    real.SetValue(-0.1);
    Bytes realBytes(8);
    real.ReadBuffer(realBytes);
    double back = 0;
    std::memcpy(&back, realBytes.data(), 8);
    EXPECT_EQ(back, -0.1);

    TBTNode20_Color color(u"c");
    color.WriteBuffer(B({1, 2, 3, 4, 5}));
    EXPECT_EQ(color.Color(), 0x04030201u);
    EXPECT_NE(ErrorOf([&] { color.WriteBuffer(B({1, 2, 3})); }), "");

    TBTNode20_Binary binary(u"b");
    binary.WriteBuffer(B({9, 8, 7}));
    EXPECT_EQ(binary.Buffer(), B({9, 8, 7}));
    EXPECT_NE(ErrorOf([&] {
                  Bytes small(2);
                  binary.ReadBuffer(small);
              }),
              "");
}

TEST(BTNodeList20, NeedsAnOwner) {
    EXPECT_EQ(ErrorOf([] { TBTNodeList20 list(nullptr); }), "AOwnerNode can not nil");
}

class BTNodeList20Ops : public ::testing::Test {
protected:
    // Children a, b, c of a parentless directory.
    void SetUp() override {
        for (const char16_t* name : {u"a", u"b", u"c"}) owner->AddChildNode_Directory(name);
    }
    std::string Names() const {
        std::string names;
        for (int i = 0; i < list().Count(); ++i) names += U8(list().GetItems(i)->NodeName());
        return names;
    }
    TBTNodeList20& list() const { return owner->ChildNodes(); }
    TBTNode20* at(int i) const { return list().GetItems(i); }

    std::unique_ptr<TBTNode20> owner = CreateBTNode20(kDirectory, u"owner");
};

TEST_F(BTNodeList20Ops, AddInsertAndIndexes) {
    EXPECT_EQ(list().OwnerNode(), owner.get());
    EXPECT_EQ(list().Add(CreateBTNode20(kDirectory, u"d")), 3);
    list().Insert(0, CreateBTNode20(kDirectory, u"0"));
    list().Insert(5, CreateBTNode20(kDirectory, u"e"));
    EXPECT_EQ(Names(), "0abcde");
    EXPECT_EQ(at(0)->ParentNode(), owner.get());
    EXPECT_EQ(list().IndexOf(at(4)), 4);
    EXPECT_EQ(list().IndexOf(owner.get()), -1);
    EXPECT_EQ(list().IndexOf(nullptr), -1);
    for (const int index : {-1, 6, 1000}) EXPECT_EQ(list().GetItems(index), nullptr) << index;
    EXPECT_NE(ErrorOf([&] { list().Insert(7, CreateBTNode20(kDirectory, u"x")); }), "");
    EXPECT_NE(ErrorOf([&] { list().Add(nullptr); }), "");
    EXPECT_EQ(Names(), "0abcde");
}

TEST_F(BTNodeList20Ops, RemoveTakesOutWithoutFreeing) {
    TBTNode20* b = at(1);
    b->AddChildNode_Int32(u"kept");
    std::unique_ptr<TBTNode20> taken = list().Remove(b);
    ASSERT_EQ(taken.get(), b);
    EXPECT_EQ(taken->ParentNode(), nullptr);
    EXPECT_EQ(taken->ChildNodes().Count(), 1);
    EXPECT_EQ(Names(), "ac");
    EXPECT_EQ(list().Remove(b), nullptr);
}

TEST_F(BTNodeList20Ops, DeleteClearMoveAndSetItems) {
    list().Delete(1);
    EXPECT_EQ(Names(), "ac");
    EXPECT_NE(ErrorOf([&] { list().Delete(2); }), "");

    list().Add(CreateBTNode20(kDirectory, u"d"));
    list().Add(CreateBTNode20(kDirectory, u"e"));
    list().Move(0, 3);
    EXPECT_EQ(Names(), "cdea");
    list().Move(3, 1);
    EXPECT_EQ(Names(), "cade");
    list().Move(2, 2);
    EXPECT_EQ(Names(), "cade");
    EXPECT_NE(ErrorOf([&] { list().Move(0, 4); }), "");

    TBTNode20* old = at(1);
    std::unique_ptr<TBTNode20> back = list().SetItems(1, CreateBTNode20(kDirectory, u"x"));
    EXPECT_EQ(back.get(), old);
    EXPECT_EQ(back->ParentNode(), nullptr);
    EXPECT_EQ(at(1)->ParentNode(), owner.get());
    EXPECT_EQ(Names(), "cxde");

    list().Clear();
    EXPECT_EQ(list().Count(), 0);
}

TEST_F(BTNodeList20Ops, NameSearchesRunFromTheLast) {
    list().Add(CreateBTNode20(kDirectory, u"abc"));
    list().Add(CreateBTNode20(kDirectory, u"b"));
    EXPECT_EQ(list().FindNodeByName(u"b"), at(4));
    EXPECT_EQ(list().FindNodeByName(u"B"), nullptr);
    EXPECT_EQ(list().FindNodeByLeftPartName(u"a"), at(3));
    EXPECT_EQ(list().FindNodeByLeftPartName(u"abcd"), nullptr);
    EXPECT_EQ(list().FindNodeByLeftPartName(u""), at(4));
    EXPECT_EQ(owner->FindChildNodeByName(u"b"), at(1));
}

TEST_F(BTNodeList20Ops, SetParentNodeMovesToTheEnd) {
    TBTNode20* a = at(0);
    TBTNode20* c = at(2);
    TBTNode20* ca = c->AddChildNode_Directory(u"ca");
    a->SetParentNode(c);
    EXPECT_EQ(Names(), "bc");
    EXPECT_EQ(a->ParentNode(), c);
    EXPECT_EQ(c->ChildNodes().GetItems(1), a);

    EXPECT_NE(ErrorOf([&] { c->SetParentNode(ca); }), "");
    EXPECT_NE(ErrorOf([&] { c->SetParentNode(c); }), "");
    EXPECT_NE(ErrorOf([&] { owner->SetParentNode(c); }), "");
    EXPECT_EQ(c->ParentNode(), owner.get());
}

// ---------------------------------------------------------------------------------------------------------------
// Streams, files, copies

// A stream that is not a memory stream, so that the documents go through the plain Stream calls.
class PlainStream final : public ui::Stream {
public:
    explicit PlainStream(Bytes bytes) : inner_(std::move(bytes)) {}
    size_t Read(std::span<std::byte> buffer) override { return inner_.Read(buffer); }
    void Write(std::span<const std::byte> bytes) override { inner_.Write(bytes); }
    uint64_t Size() const override { return inner_.Size(); }
    void SetSize(uint64_t size) override { inner_.SetSize(size); }
    uint64_t Position() const override { return inner_.Position(); }
    void Seek(uint64_t position) override { inner_.Seek(position); }
    const Bytes& Bytes_() const { return inner_.Bytes(); }

private:
    ui::MemoryStream inner_;
};

template <typename S>
class BTDoc20Streams : public ::testing::Test {
protected:
    static const Bytes& Of(const S& stream) {
        if constexpr (std::is_same_v<S, PlainStream>) {
            return stream.Bytes_();
        } else {
            return stream.Bytes();
        }
    }
};
using StreamKinds = ::testing::Types<ui::MemoryStream, PlainStream>;
TYPED_TEST_SUITE(BTDoc20Streams, StreamKinds);

TYPED_TEST(BTDoc20Streams, SaveToStreamReplacesTheContent) {
    TBTDOC20 doc;
    FillEveryKind(doc);
    TypeParam stream(Bytes(5000, std::byte{0xEE}));
    stream.Seek(123);
    doc.SaveToStream(stream);
    EXPECT_EQ(this->Of(stream), doc.Save());
    EXPECT_EQ(stream.Position(), stream.Size());
}

TYPED_TEST(BTDoc20Streams, LoadFromStreamReadsFromThePositionToTheEnd) {
    TBTDOC20 source;
    FillEveryKind(source);
    Bytes bytes = B({1, 2, 3});
    const Bytes saved = source.Save();
    bytes.insert(bytes.end(), saved.begin(), saved.end());
    TypeParam stream(bytes);
    stream.Seek(3);
    TBTDOC20 doc;
    doc.LoadFromStream(stream);
    EXPECT_EQ(doc.Save(), saved);
    EXPECT_EQ(stream.Position(), stream.Size());

    const struct {
        Bytes bytes;
        uint64_t position;
    } tooShort[] = {{B({20}), 0}, {B({20, 0, 0}), 2}, {B({20, 0}), 7}};
    for (const auto& c : tooShort) {
        TypeParam small(c.bytes);
        small.Seek(c.position);
        EXPECT_EQ(ErrorOf([&] { doc.LoadFromStream(small); }), "无效文档") << c.bytes.size() << " " << c.position;
    }
}

TEST(BTDoc20Io, AssignAndClear) {
    TBTDOC20 source;
    FillEveryKind(source);
    TBTDOC20 copy;
    copy.CreateNode(kDirectory, nullptr, u"gone");
    copy.Assign(source);
    EXPECT_EQ(copy.Save(), source.Save());
    copy.Assign(copy);
    EXPECT_EQ(copy.Save(), source.Save());
    copy.Clear();
    EXPECT_EQ(copy.Nodes().Count(), 0);
    EXPECT_EQ(copy.Name(), u"皮肤 Skin");
    EXPECT_EQ(source.Nodes().Count(), 2);
}

class BTDoc20Files : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("bt_doc20_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
};

TEST_F(BTDoc20Files, DocumentRoundTripThroughAFileWithAWideName) {
    TBTDOC20 doc;
    FillEveryKind(doc);
    const std::filesystem::path path = dir / std::filesystem::path(u"皮肤 文档.btd");
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(10000, 'x');  // overwritten, not kept past the new end
    }
    doc.SaveToFile(path);
    EXPECT_EQ(std::filesystem::file_size(path), doc.Save().size());
    TBTDOC20 loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Save(), doc.Save());
}

TEST_F(BTDoc20Files, FileErrorsNameTheFile) {
    TBTDOC20 doc;
    const auto missing = dir / "missing.btd";
    const auto noDir = dir / "no" / "such" / "dir.btd";
    const struct {
        const char* what;
        std::function<void()> action;
        std::filesystem::path path;
    } cases[] = {
        {"load document", [&] { doc.LoadFromFile(missing); }, missing},
        {"save document", [&] { doc.SaveToFile(noDir); }, noDir},
        {"load binary", [&] { TBTNode20_Binary(u"b").LoadFromFile(missing); }, missing},
        {"save binary", [&] { TBTNode20_Binary(u"b").SaveToFile(noDir); }, noDir},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.action();
            ADD_FAILURE() << "no exception";
        } catch (const SkinError& e) {
            ADD_FAILURE() << "SkinError " << e.what();
        } catch (const std::runtime_error& e) {
            const std::u8string name = c.path.filename().u8string();
            EXPECT_NE(std::string(e.what()).find(std::string(name.begin(), name.end())), std::string::npos) << e.what();
        }
    }

    // A file that is there but is no document fails as a document.
    const auto junk = dir / "junk.btd";
    std::ofstream(junk, std::ios::binary) << "x";
    EXPECT_EQ(ErrorOf([&] { doc.LoadFromFile(junk); }), "无效文档");
}

TEST_F(BTDoc20Files, BinaryNodeStreamsAndFiles) {
    TBTNode20_Binary node(u"b");
    ui::MemoryStream source(B({1, 2, 3, 4}));
    source.Seek(3);
    node.LoadFromStream(source);  // the whole stream, whatever the position
    EXPECT_EQ(node.Buffer(), B({1, 2, 3, 4}));

    ui::MemoryStream target(B({9, 9}));
    target.Seek(1);
    node.SaveToStream(target);  // at the position
    EXPECT_EQ(target.Bytes(), B({9, 1, 2, 3, 4}));

    const auto path = dir / "picture.bin";
    node.SaveToFile(path);
    TBTNode20_Binary other(u"o");
    other.LoadFromFile(path);
    EXPECT_EQ(other.Buffer(), node.Buffer());
}

}  // namespace
}  // namespace skin
