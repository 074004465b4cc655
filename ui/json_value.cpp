#include "ui/json_value.h"

#include <algorithm>
#include <numeric>

#include "ui/text.h"

namespace ui {

const JsonValue* JsonValue::Find(std::string_view key) const {
    if (const Object* object = AsObject()) {
        for (const Member& member : *object) {
            if (member.first == key) return &member.second;
        }
    }
    return nullptr;
}

void JsonValue::Set(std::string_view key, JsonValue value) {
    if (!IsObject()) value_ = Object{};
    Object& object = std::get<Object>(value_);
    for (Member& member : object) {
        if (member.first == key) {
            member.second = std::move(value);
            return;
        }
    }
    object.emplace_back(std::string(key), std::move(value));
}

namespace {

// Members read with a key that repeats: the first one's place keeps the last one's value and the others go, as
// setting the members one after the other would leave them. Sorting keeps this at n log n for any text.
void KeepLastOfEachKey(JsonValue::Object& members) {
    std::vector<size_t> order(members.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return members[a].first < members[b].first; });
    std::vector<bool> dropped(members.size(), false);
    bool any = false;
    for (size_t run = 0; run < order.size();) {
        size_t end = run + 1;
        while (end < order.size() && members[order[end]].first == members[order[run]].first) ++end;
        if (end - run > 1) {
            members[order[run]].second = std::move(members[order[end - 1]].second);
            for (size_t i = run + 1; i < end; ++i) dropped[order[i]] = true;
            any = true;
        }
        run = end;
    }
    if (!any) return;
    size_t kept = 0;
    for (size_t i = 0; i < members.size(); ++i) {
        if (!dropped[i]) {
            if (kept != i) members[kept] = std::move(members[i]);
            ++kept;
        }
    }
    members.resize(kept);
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document() {
        JsonValue value;
        if (text_.starts_with("\xEF\xBB\xBF")) at_ = 3;
        SkipBlanks();
        if (!Value(value, 0)) return std::nullopt;
        SkipBlanks();
        if (at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }

    void SkipBlanks() {
        while (!AtEnd() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    bool Literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    bool Value(JsonValue& out, int depth) {
        switch (Peek()) {
            case 'n':
                out = nullptr;
                return Literal("null");
            case 't':
                out = true;
                return Literal("true");
            case 'f':
                out = false;
                return Literal("false");
            case '"': {
                std::string text;
                if (!String(text)) return false;
                out = std::move(text);
                return true;
            }
            case '[':
                return ArrayValue(out, depth + 1);
            case '{':
                return ObjectValue(out, depth + 1);
            default:
                return NumberValue(out);
        }
    }

    bool ArrayValue(JsonValue& out, int depth) {
        if (depth > kMaxJsonDepth) return false;
        ++at_;
        JsonValue::Array items;
        SkipBlanks();
        if (Peek() == ']') {
            ++at_;
            out = std::move(items);
            return true;
        }
        for (;;) {
            SkipBlanks();
            items.emplace_back();
            if (!Value(items.back(), depth)) return false;
            SkipBlanks();
            const char next = Peek();
            ++at_;
            if (next == ']') break;
            if (next != ',') return false;
        }
        out = std::move(items);
        return true;
    }

    bool ObjectValue(JsonValue& out, int depth) {
        if (depth > kMaxJsonDepth) return false;
        ++at_;
        JsonValue::Object members;
        SkipBlanks();
        if (Peek() == '}') {
            ++at_;
            out = std::move(members);
            return true;
        }
        for (;;) {
            SkipBlanks();
            std::string key;
            if (Peek() != '"' || !String(key)) return false;
            SkipBlanks();
            if (Peek() != ':') return false;
            ++at_;
            SkipBlanks();
            members.emplace_back(std::move(key), JsonValue());
            if (!Value(members.back().second, depth)) return false;
            SkipBlanks();
            const char next = Peek();
            ++at_;
            if (next == '}') break;
            if (next != ',') return false;
        }
        KeepLastOfEachKey(members);
        out = std::move(members);
        return true;
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    bool Digits() {
        const size_t start = at_;
        while (!AtEnd() && IsDigit(text_[at_])) ++at_;
        return at_ > start;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool NumberValue(JsonValue& out) {
        const size_t start = at_;
        if (Peek() == '-') ++at_;
        if (Peek() == '0') {
            ++at_;
        } else if (!Digits()) {
            return false;
        }
        if (Peek() == '.') {
            ++at_;
            if (!Digits()) return false;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++at_;
            if (Peek() == '+' || Peek() == '-') ++at_;
            if (!Digits()) return false;
        }
        out = JsonValue::Number{std::string(text_.substr(start, at_ - start))};
        return true;
    }

    // Four hexadecimal digits after "\u".
    bool Hex4(uint32_t& code) {
        if (text_.size() - at_ < 4) return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (IsDigit(c)) {
                code |= static_cast<uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
        }
        return true;
    }

    bool Escape(std::string& out) {
        const char c = Peek();
        ++at_;
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out.push_back(c);
                return true;
            case 'b':
                out.push_back('\b');
                return true;
            case 'f':
                out.push_back('\f');
                return true;
            case 'n':
                out.push_back('\n');
                return true;
            case 'r':
                out.push_back('\r');
                return true;
            case 't':
                out.push_back('\t');
                return true;
            case 'u':
                break;
            default:
                return false;
        }
        uint32_t code = 0;
        if (!Hex4(code)) return false;
        if (code >= 0xDC00 && code <= 0xDFFF) return false;
        if (code >= 0xD800 && code <= 0xDBFF) {
            uint32_t low = 0;
            if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, static_cast<char32_t>(code));
        return true;
    }

    // One UTF-8 sequence of more than one byte, starting at lead (already consumed), copied when well-formed.
    bool Utf8Sequence(std::string& out, unsigned char lead) {
        int extra = 0;
        uint32_t code = 0;
        uint32_t least = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, code = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, code = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, code = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        const size_t start = at_ - 1;
        for (int i = 0; i < extra; ++i) {
            const auto byte = static_cast<unsigned char>(Peek());
            if (AtEnd() || (byte & 0xC0) != 0x80) return false;
            code = (code << 6) | (byte & 0x3F);
            ++at_;
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        out.append(text_.substr(start, at_ - start));
        return true;
    }

    bool String(std::string& out) {
        ++at_;
        for (;;) {
            if (AtEnd()) return false;
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"') return true;
            if (c < 0x20) return false;
            if (c == '\\') {
                if (!Escape(out)) return false;
            } else if (c < 0x80) {
                out.push_back(static_cast<char>(c));
            } else if (!Utf8Sequence(out, c)) {
                return false;
            }
        }
    }

    std::string_view text_;
    size_t at_ = 0;
};

void WriteString(std::string& out, const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += "\\u00";
                    out.push_back(kHex[(c >> 4) & 0xF]);
                    out.push_back(kHex[c & 0xF]);
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

void Write(std::string& out, const JsonValue& value) {
    if (const bool* flag = value.AsBool()) {
        out += *flag ? "true" : "false";
    } else if (const JsonValue::Number* number = value.AsNumber()) {
        out += number->text;
    } else if (const std::string* text = value.AsString()) {
        WriteString(out, *text);
    } else if (const JsonValue::Array* items = value.AsArray()) {
        out.push_back('[');
        for (size_t i = 0; i < items->size(); ++i) {
            if (i > 0) out.push_back(',');
            Write(out, (*items)[i]);
        }
        out.push_back(']');
    } else if (const JsonValue::Object* members = value.AsObject()) {
        out.push_back('{');
        for (size_t i = 0; i < members->size(); ++i) {
            if (i > 0) out.push_back(',');
            WriteString(out, (*members)[i].first);
            out.push_back(':');
            Write(out, (*members)[i].second);
        }
        out.push_back('}');
    } else {
        out += "null";
    }
}

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text) { return Reader(text).Document(); }

std::string WriteJson(const JsonValue& value) {
    std::string out;
    Write(out, value);
    return out;
}

}  // namespace ui
