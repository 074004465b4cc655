// btdoc: looks into binary tree documents (version 20).
//
//   btdoc dump FILE        prints the document as an indented tree, one line per node
//   btdoc resave IN OUT    loads IN and saves it to OUT
//
// A document that cannot be read is reported on stderr (exit 1); wrong arguments exit with 2.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "skin/core/skin_error.h"
#include "skin/persist/bt_doc20.h"
#include "ui/text.h"

namespace {

using namespace skin;

// Deeper levels are not indented further, so that a pathological document cannot blow up the output.
constexpr size_t kMaxIndent = 32;

std::string Quoted(std::u16string_view text) {
    std::string out = "\"";
    for (const char c : ui::Utf16ToUtf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned>(c));
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Number(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// Days since 1899-12-30 as "YYYY-MM-DD hh:mm:ss"; the fraction is the time of day, also for dates before 1899.
std::string DateText(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3e6) return "";
    using namespace std::chrono;
    const double whole = std::trunc(days);
    const auto seconds = static_cast<long long>(std::llround(std::fabs(days - whole) * 86400.0));
    const sys_days day = sys_days(year{1899} / December / 30) + std::chrono::days(static_cast<long long>(whole));
    const year_month_day ymd(day);
    char text[48];
    std::snprintf(text, sizeof text, " (%04d-%02u-%02u %02lld:%02lld:%02lld)", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), seconds / 3600 % 24,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

std::string Value(TBTNode20& node) {
    switch (node.NodeType()) {
        case BTNodeType::Directory:
            return "";
        case BTNodeType::WideString:
            return Quoted(node.ConvertNode_WideString()->Value());
        case BTNodeType::Class:
            return Quoted(node.ConvertNode_Class()->Value());
        case BTNodeType::Int32:
            return std::to_string(node.ConvertNode_Int32()->Value());
        case BTNodeType::UInt8:
            return std::to_string(node.ConvertNode_UInt8()->Value());
        case BTNodeType::UInt32:
            return std::to_string(node.ConvertNode_UInt32()->Value());
        case BTNodeType::Real64:
            return Number(node.ConvertNode_Real64()->Value());
        case BTNodeType::DateTime: {
            const double days = node.ConvertNode_DateTime()->Value();
            return Number(days) + DateText(days);
        }
        case BTNodeType::Bool32:
            return node.ConvertNode_Bool32()->Value() ? "true" : "false";
        case BTNodeType::Color: {
            char text[16];
            std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(node.ConvertNode_Color()->Color()));
            return text;
        }
        case BTNodeType::Binary: {
            const auto& bytes = node.ConvertNode_Binary()->Buffer();
            std::string out = std::to_string(bytes.size()) + " bytes";
            const size_t shown = std::min<size_t>(bytes.size(), 16);
            for (size_t i = 0; i < shown; ++i) {
                char hex[4];
                std::snprintf(hex, sizeof hex, " %02x", static_cast<unsigned>(bytes[i]));
                out += hex;
            }
            if (bytes.size() > shown) out += " ...";
            return out;
        }
    }
    return "?";
}

void Dump(const TBTDOC20& doc) {
    std::string out = "document version " + std::to_string(doc.Version()) + " name " + Quoted(doc.Name()) + "\n";
    struct Item {
        TBTNode20* node;
        size_t depth;
    };
    std::vector<Item> stack{{doc.TopNode(), 0}};
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        TBTNode20& node = *item.node;
        if (item.depth > kMaxIndent) {
            out += '[';
            out += std::to_string(item.depth);
            out += ']';
        }
        out.append(2 * std::min(item.depth, kMaxIndent), ' ');
        out += ui::Utf16ToUtf8(node.NodeName());
        out += " : ";
        out += BTNodeTypeName(node.NodeType());
        if (!node.NodeCaption().empty()) {
            out += ' ';
            out += Quoted(node.NodeCaption());
        }
        const std::string value = Value(node);
        if (!value.empty()) {
            out += " = ";
            out += value;
        }
        out += '\n';
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
        const TBTNodeList20& children = node.ChildNodes();
        for (int i = children.Count(); i-- > 0;) stack.push_back({children.GetItems(i), item.depth + 1});
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int Usage() {
    std::fputs("usage: btdoc dump FILE\n       btdoc resave IN OUT\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // UTF-8 goes out unchanged, with plain LF line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const bool dump = args.size() == 2 && args[0] == "dump";
    const bool resave = args.size() == 3 && args[0] == "resave";
    if (!dump && !resave) return Usage();

    try {
        TBTDOC20 doc;
        doc.LoadFromFile(std::filesystem::path(args[1]));
        if (dump) {
            Dump(doc);
        } else {
            doc.SaveToFile(std::filesystem::path(args[2]));
        }
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "btdoc: %s\n", e.what());
        return 1;
    }
}
