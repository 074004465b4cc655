#include "app/json_text.h"

namespace app {

void JsonObject::Add(std::u16string_view key, JsonValue value) {
    for (Member& member : members_) {
        if (member.first == key) {
            member.second = std::move(value);
            return;
        }
    }
    members_.emplace_back(std::u16string(key), std::move(value));
}

const JsonObject::JsonValue* JsonObject::Find(std::u16string_view key) const {
    for (const Member& member : members_) {
        if (member.first == key) return &member.second;
    }
    return nullptr;
}

std::string EscapeJsonText(std::u16string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char16_t unit : text) {
        switch (unit) {
            case u'\b':
                out += "\\b";
                break;
            case u'\t':
                out += "\\t";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\f':
                out += "\\f";
                break;
            case u'\r':
                out += "\\r";
                break;
            case u'"':
                out += "\\\"";
                break;
            case u'/':
                out += "\\/";
                break;
            case u'\\':
                out += "\\\\";
                break;
            default:
                if (unit < 32 || unit > 127) {
                    out += "\\u";
                    out.push_back(kHex[(unit >> 12) & 0xF]);
                    out.push_back(kHex[(unit >> 8) & 0xF]);
                    out.push_back(kHex[(unit >> 4) & 0xF]);
                    out.push_back(kHex[unit & 0xF]);
                } else {
                    out.push_back(static_cast<char>(unit));
                }
        }
    }
    return out;
}

std::string WriteJsonText(const JsonObject& object) {
    std::string out = "{";
    bool first = true;
    for (const auto& [key, value] : object.Members()) {
        if (!first) out.push_back(',');
        first = false;
        out += '"' + EscapeJsonText(key) + "\":";
        if (const auto* text = std::get_if<std::u16string>(&value)) {
            out += '"' + EscapeJsonText(*text) + '"';
        } else {
            out += std::to_string(std::get<int64_t>(value));
        }
    }
    out.push_back('}');
    return out;
}

}  // namespace app
