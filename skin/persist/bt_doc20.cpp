#include "skin/persist/bt_doc20.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/file_io.h"
#include "skin/core/skin_error.h"
#include "ui/stream.h"
#include "ui/text.h"

namespace skin {

namespace {

// type code (1), child count (4), name length (1), caption length (1), value size (4)
constexpr size_t kRecordHeadSize = 11;
constexpr char16_t kRootName[] = u"\\";
constexpr char16_t kProvisionalName[] = u"NONAME";

// A stored text's byte length must fit the one-byte length fields.
static_assert(2 * kBTMaxTextLength + 2 <= 255);

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

uint32_t LoadU32(const std::byte* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void StoreU32(std::byte* p, uint32_t value) {
    p[0] = static_cast<std::byte>(value);
    p[1] = static_cast<std::byte>(value >> 8);
    p[2] = static_cast<std::byte>(value >> 16);
    p[3] = static_cast<std::byte>(value >> 24);
}

// Byte length of a stored name, caption or document name: the UTF-16LE units and a 0x0000; 0 when empty.
size_t StoredTextSize(const std::u16string& text) { return text.empty() ? 0 : 2 * text.size() + 2; }

std::byte* PutText(std::byte* p, const std::u16string& text) {
    if (text.empty()) return p;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, text.data(), 2 * text.size());
        p += 2 * text.size();
    } else {
        for (const char16_t unit : text) {
            *p++ = static_cast<std::byte>(unit & 0xFF);
            *p++ = static_cast<std::byte>(unit >> 8);
        }
    }
    *p++ = std::byte{0};
    *p++ = std::byte{0};
    return p;
}

// The UTF-16 units up to the first 0x0000 (an odd last byte is ignored), cut to the longest stored text.
std::u16string GetText(const std::byte* p, size_t bytes) {
    const size_t units = std::min(bytes / 2, kBTMaxTextLength);
    std::u16string text;
    text.reserve(units);
    for (size_t i = 0; i < units; ++i) {
        const auto unit =
            static_cast<char16_t>(static_cast<uint8_t>(p[2 * i]) | static_cast<uint8_t>(p[2 * i + 1]) << 8);
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

// Stored size of the fixed-size kinds; 0 for the kinds whose size varies.
uint32_t FixedValueSize(BTNodeType type) {
    switch (type) {
        case BTNodeType::UInt8:
            return 1;
        case BTNodeType::Int32:
        case BTNodeType::UInt32:
        case BTNodeType::Bool32:
            return 4;
        case BTNodeType::Color:
            return 5;
        case BTNodeType::Real64:
        case BTNodeType::DateTime:
            return 8;
        default:
            return 0;
    }
}

[[noreturn]] void Truncated(const char* what, size_t offset, uint64_t needed, size_t left) {
    throw SkinError(std::string("Invalid document: ") + what + " at offset " + std::to_string(offset) +
                    " is truncated (" + std::to_string(needed) + " bytes needed, " + std::to_string(left) + " left)");
}

// Reads the records of a block one at a time, never past its end.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::byte> block, size_t position) : block_(block), pos_(position) {}

    size_t Left() const { return block_.size() - pos_; }

    // Reads the record at the position: the node (without children) and its stored child count.
    std::unique_ptr<TBTNode20> Read(uint32_t& childCount) {
        const size_t offset = pos_;
        if (Left() < kRecordHeadSize) Truncated("node record", offset, kRecordHeadSize, Left());
        const std::byte* head = block_.data() + pos_;
        const auto typeCode = static_cast<uint8_t>(head[0]);
        childCount = LoadU32(head + 1);
        const auto nameSize = static_cast<uint8_t>(head[5]);
        const auto captionSize = static_cast<uint8_t>(head[6]);
        const uint32_t dataSize = LoadU32(head + 7);
        pos_ += kRecordHeadSize;

        if (!IsBTNodeTypeCode(typeCode)) throw SkinError("无效节点");
        const auto type = static_cast<BTNodeType>(typeCode);
        std::unique_ptr<TBTNode20> node = CreateBTNode20(typeCode, kProvisionalName);

        if (nameSize > Left()) Truncated("name of the node record", offset, nameSize, Left());
        if (nameSize > 0) {
            // A stored name that comes out empty (a lone 0x0000, a single byte) keeps the provisional name
            // as a missing one does: an empty name would be saved as missing and come back as "NONAME".
            std::u16string name = GetText(block_.data() + pos_, nameSize);
            if (!name.empty()) node->SetNodeName(name);
        }
        pos_ += nameSize;

        if (captionSize > Left()) Truncated("caption of the node record", offset, captionSize, Left());
        if (captionSize > 0) node->SetNodeCaption(GetText(block_.data() + pos_, captionSize));
        pos_ += captionSize;

        if (dataSize > Left()) Truncated("value of the node record", offset, dataSize, Left());
        const uint32_t fixedSize = FixedValueSize(type);
        if (fixedSize != 0 && dataSize != 0 && dataSize != fixedSize) {
            throw SkinError(std::string("Invalid document: ") + BTNodeTypeName(type) + " node record at offset " +
                            std::to_string(offset) + " has a value of " + std::to_string(dataSize) + " bytes (" +
                            std::to_string(fixedSize) + " expected)");
        }
        if (dataSize > 0) node->WriteBuffer(block_.subspan(pos_, dataSize));
        pos_ += dataSize;

        // Every announced child still needs at least a record head.
        outstanding_ += childCount;
        if (outstanding_ * kRecordHeadSize > Left()) {
            throw SkinError("Invalid document: node record at offset " + std::to_string(offset) + " has child count " +
                            std::to_string(childCount) + ", more than the " + std::to_string(Left()) +
                            " bytes left can hold");
        }
        return node;
    }

    // One of the announced children is about to be read.
    void ChildTaken() { --outstanding_; }

private:
    std::span<const std::byte> block_;
    size_t pos_;
    uint64_t outstanding_ = 0;
};

// Writes the stored form of doc into block, which is resized to it. Space the block already has is reused.
void SaveInto(const TBTDOC20& doc, std::vector<std::byte>& block) {
    // The nodes in stored order (depth-first pre-order), collected without recursion.
    std::vector<const TBTNode20*> order;
    std::vector<const TBTNode20*> stack{doc.TopNode()};
    uint64_t size = 2 + StoredTextSize(doc.Name());
    while (!stack.empty()) {
        const TBTNode20* node = stack.back();
        stack.pop_back();
        order.push_back(node);
        size +=
            kRecordHeadSize + StoredTextSize(node->NodeName()) + StoredTextSize(node->NodeCaption()) + node->DataSize();
        const TBTNodeList20& children = node->ChildNodes();
        for (int i = children.Count(); i-- > 0;) stack.push_back(children.GetItems(i));
    }
    if (size > SIZE_MAX / 2) throw SkinError("Document too large to save");

    block.resize(static_cast<size_t>(size));
    std::byte* p = block.data();
    *p++ = static_cast<std::byte>(doc.Version());
    *p++ = static_cast<std::byte>(StoredTextSize(doc.Name()));
    p = PutText(p, doc.Name());
    for (const TBTNode20* node : order) {
        const uint32_t dataSize = node->DataSize();
        *p++ = static_cast<std::byte>(node->NodeType());
        StoreU32(p, static_cast<uint32_t>(node->ChildNodes().Count()));
        p += 4;
        *p++ = static_cast<std::byte>(StoredTextSize(node->NodeName()));
        *p++ = static_cast<std::byte>(StoredTextSize(node->NodeCaption()));
        StoreU32(p, dataSize);
        p += 4;
        p = PutText(p, node->NodeName());
        p = PutText(p, node->NodeCaption());
        if (dataSize > 0) {
            node->ReadBuffer(std::span<std::byte>(p, dataSize));
            // The colour's fifth byte is not part of its value.
            if (node->NodeType() == BTNodeType::Color) p[4] = std::byte{0};
            p += dataSize;
        }
    }
}

}  // namespace

TBTDOC20::TBTDOC20() : top_(std::make_unique<TBTNode20_Directory>(kRootName)) {}

TBTDOC20::~TBTDOC20() = default;

void TBTDOC20::SetName(std::u16string_view name) { name_ = ui::CutText(name, kBTMaxTextLength); }

void TBTDOC20::Clear() { top_->ChildNodes().Clear(); }

void TBTDOC20::Assign(const TBTDOC20& source) {
    if (&source == this) return;
    const std::vector<std::byte> block = source.Save();
    Load(block);
}

std::vector<std::byte> TBTDOC20::Save() const {
    std::vector<std::byte> block;
    SaveInto(*this, block);
    return block;
}

void TBTDOC20::Load(std::span<const std::byte> block) {
    if (block.size() < 2) throw SkinError("无效文档");
    top_->ChildNodes().Clear();

    const auto version = static_cast<uint8_t>(block[0]);
    const auto nameSize = static_cast<uint8_t>(block[1]);
    if (version != kVersion) throw SkinError("无效版本号");
    if (nameSize > block.size() - 2) Truncated("document name", 2, nameSize, block.size() - 2);
    version_ = version;
    name_ = nameSize > 0 ? GetText(block.data() + 2, nameSize) : std::u16string();

    RecordReader reader(block, 2 + nameSize);
    uint32_t childCount = 0;
    try {
        top_ = reader.Read(childCount);
    } catch (...) {
        // The document always keeps a root.
        top_ = std::make_unique<TBTNode20_Directory>(kRootName);
        throw;
    }

    // Children are attached as they are read, so that a failure leaves what came before it.
    struct Open {
        TBTNode20* node;
        uint32_t childrenLeft;
    };
    std::vector<Open> open;
    if (childCount > 0) open.push_back({top_.get(), childCount});
    while (!open.empty()) {
        Open& parent = open.back();
        if (parent.childrenLeft == 0) {
            open.pop_back();
            continue;
        }
        --parent.childrenLeft;
        reader.ChildTaken();
        TBTNode20* parentNode = parent.node;  // open may grow below, invalidating parent
        std::unique_ptr<TBTNode20> child = reader.Read(childCount);
        TBTNode20* raw = child.get();
        parentNode->ChildNodes().Add(std::move(child));
        if (childCount > 0) open.push_back({raw, childCount});
    }
}

void TBTDOC20::SaveToStream(ui::Stream& stream) const {
    if (auto* memory = dynamic_cast<ui::MemoryStream*>(&stream)) {
        // The document is written straight into the memory stream's block, reusing the space it has.
        std::vector<std::byte> block = memory->TakeBytes();
        SaveInto(*this, block);
        const uint64_t size = block.size();
        *memory = ui::MemoryStream(std::move(block));
        memory->Seek(size);
        return;
    }
    const std::vector<std::byte> block = Save();
    const uint64_t size = block.size();
    stream.SetSize(size);
    stream.Seek(0);
    stream.Write(block);
}

void TBTDOC20::LoadFromStream(ui::Stream& stream) {
    const uint64_t size = stream.Size();
    if (size < 2) throw SkinError("无效文档");
    const uint64_t position = stream.Position();
    const uint64_t left = position < size ? size - position : 0;
    if (auto* memory = dynamic_cast<ui::MemoryStream*>(&stream)) {
        // Read in place: the values are copied once, straight from the stream's memory into the nodes.
        const std::span<const std::byte> bytes(memory->Bytes());
        memory->Seek(size);
        Load(bytes.subspan(static_cast<size_t>(size - left)));
        return;
    }
    if (left > SIZE_MAX / 2) throw SkinError("Document too large to load");
    std::vector<std::byte> block(static_cast<size_t>(left));
    stream.ReadExact(block);
    Load(block);
}

void TBTDOC20::SaveToFile(const std::filesystem::path& path) const {
    const std::vector<std::byte> block = Save();
    if (!platform::WriteWholeFile(path, block)) throw std::runtime_error("Cannot write file " + PathText(path));
}

void TBTDOC20::LoadFromFile(const std::filesystem::path& path) {
    const std::optional<std::vector<std::byte>> block = platform::ReadWholeFile(path);
    if (!block) throw std::runtime_error("Cannot read file " + PathText(path));
    Load(*block);
}

TBTNode20* TBTDOC20::CreateNode(uint8_t typeCode, TBTNode20* parent, std::u16string_view name,
                                std::u16string_view caption) {
    if (parent == nullptr) parent = top_.get();
    return parent->AddChildNode(typeCode, name, caption);
}

TBTNode20* TBTDOC20::FindNodeByName(std::u16string_view name, bool recursive) const {
    const TBTNodeList20& top = top_->ChildNodes();
    if (!recursive) return top.FindNodeByName(name);

    // Pre-order from the last child to the first: a node is looked at before its subtree, and its subtree
    // before its previous sibling. Pushing children first to last makes the last one come out first.
    std::vector<TBTNode20*> stack;
    for (int i = 0; i < top.Count(); ++i) stack.push_back(top.GetItems(i));
    while (!stack.empty()) {
        TBTNode20* node = stack.back();
        stack.pop_back();
        if (node->NodeName() == name) return node;
        const TBTNodeList20& children = node->ChildNodes();
        for (int i = 0; i < children.Count(); ++i) stack.push_back(children.GetItems(i));
    }
    return nullptr;
}

TBTNode20* TBTDOC20::FindNodeByPath(std::u16string_view path) const {
    // One level of the search: the first path element, the rest, and the next child to try.
    struct Level {
        const TBTNode20* parent;
        std::u16string_view head;
        std::u16string_view rest;
        int next;
    };
    // Each level trims its part of the path the same way, so "a\\b" and "a\ b" reach b too.
    auto makeLevel = [](const TBTNode20* parent, std::u16string_view text, Level& level) {
        text = ui::TrimBlanks(text);
        while (!text.empty() && text.front() == u'\\') text.remove_prefix(1);
        while (!text.empty() && text.back() == u'\\') text.remove_suffix(1);
        const size_t split = text.find(u'\\');
        level.parent = parent;
        level.head = text.substr(0, split);
        level.rest = split == std::u16string_view::npos ? std::u16string_view() : text.substr(split + 1);
        level.next = 0;
        return !level.head.empty();
    };

    std::vector<Level> levels(1);
    if (!makeLevel(top_.get(), path, levels.back())) return nullptr;
    while (!levels.empty()) {
        Level& level = levels.back();
        const TBTNodeList20& children = level.parent->ChildNodes();
        TBTNode20* match = nullptr;
        while (level.next < children.Count()) {
            TBTNode20* child = children.GetItems(level.next++);
            if (child->NodeName() == level.head) {
                match = child;
                break;
            }
        }
        if (match == nullptr) {
            levels.pop_back();
            continue;
        }
        if (level.rest.empty()) return match;
        Level deeper;
        if (makeLevel(match, level.rest, deeper)) levels.push_back(deeper);
    }
    return nullptr;
}

}  // namespace skin
