#include "ui/layout_tokenizer.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>

#include "ui/layout_error.h"
#include "ui/text.h"

namespace ui {

namespace {

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Printable(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F) return std::string("'") + c + "'";
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", u);
    return code;
}

}  // namespace

LayoutTokenizer::LayoutTokenizer(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

void LayoutTokenizer::SkipSpace() {
    while (!AtEnd()) {
        const char c = Peek();
        if (c == '\n') {
            ++line_;
        } else if (c == '\r') {
            if (Peek(1) != '\n') ++line_;
        } else if (c != ' ' && c != '\t' && c != '\f' && c != '\v') {
            return;
        }
        ++pos_;
    }
}

Token LayoutTokenizer::Next() {
    SkipSpace();
    Token token;
    token.line = line_;
    if (AtEnd()) return token;
    const char c = Peek();
    if (IsIdentStart(c)) {
        const size_t start = pos_;
        while (!AtEnd() && (IsIdentStart(Peek()) || IsDigit(Peek()))) ++pos_;
        token.kind = TokenKind::Identifier;
        token.text = std::string(text_.substr(start, pos_ - start));
        return token;
    }
    if (IsDigit(c)) return ReadNumber();
    if (c == '$') return ReadHexNumber();
    if (c == '\'' || c == '#') return ReadString();
    if (std::strchr("=:.,[]{}()<>+-", c) != nullptr) {
        ++pos_;
        token.kind = TokenKind::Symbol;
        token.text = std::string(1, c);
        return token;
    }
    throw LayoutError(line_, "Unexpected character " + Printable(c));
}

Token LayoutTokenizer::ReadNumber() {
    Token token;
    token.line = line_;
    const size_t start = pos_;
    while (IsDigit(Peek())) ++pos_;
    bool isFloat = false;
    if (Peek() == '.' && IsDigit(Peek(1))) {
        isFloat = true;
        ++pos_;
        while (IsDigit(Peek())) ++pos_;
    }
    if ((Peek() == 'e' || Peek() == 'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
        isFloat = true;
        pos_ += 2;
        while (IsDigit(Peek())) ++pos_;
    }
    if (IsIdentStart(Peek())) throw LayoutError(line_, "Invalid number");
    const std::string_view digits = text_.substr(start, pos_ - start);
    if (isFloat) {
        token.kind = TokenKind::Float;
        const std::optional<double> number = ParseDecimal(digits);
        if (!number) throw LayoutError(line_, "Invalid number " + std::string(digits));
        token.number = *number;
    } else {
        token.kind = TokenKind::Integer;
        const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), token.integer);
        if (result.ec != std::errc()) throw LayoutError(line_, "Integer out of range: " + std::string(digits));
        token.number = static_cast<double>(token.integer);
    }
    return token;
}

Token LayoutTokenizer::ReadHexNumber() {
    Token token;
    token.line = line_;
    ++pos_;  // '$'
    const size_t start = pos_;
    while (HexValue(Peek()) >= 0) ++pos_;
    const std::string_view digits = text_.substr(start, pos_ - start);
    if (digits.empty() || IsIdentStart(Peek())) throw LayoutError(line_, "Invalid hexadecimal number");
    uint64_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (result.ec != std::errc() || value > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
        throw LayoutError(line_, "Integer out of range: $" + std::string(digits));
    }
    token.kind = TokenKind::Integer;
    token.integer = static_cast<int64_t>(value);
    token.number = static_cast<double>(token.integer);
    return token;
}

Token LayoutTokenizer::ReadString() {
    Token token;
    token.kind = TokenKind::String;
    token.line = line_;
    // Quoted parts and character codes follow each other without blanks.
    while (Peek() == '\'' || Peek() == '#') {
        if (Peek() == '\'') {
            ++pos_;
            std::string part;
            while (true) {
                if (AtEnd() || Peek() == '\n' || Peek() == '\r') throw LayoutError(token.line, "Unterminated text");
                if (Peek() == '\'') {
                    if (Peek(1) == '\'') {
                        part += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                part += Peek();
                ++pos_;
            }
            token.string += Utf8ToUtf16(part);
        } else {
            ++pos_;  // '#'
            uint32_t code = 0;
            std::from_chars_result result{};
            size_t start = pos_;
            if (Peek() == '$') {
                start = ++pos_;
                while (HexValue(Peek()) >= 0) ++pos_;
                result = std::from_chars(text_.data() + start, text_.data() + pos_, code, 16);
            } else {
                while (IsDigit(Peek())) ++pos_;
                result = std::from_chars(text_.data() + start, text_.data() + pos_, code);
            }
            if (pos_ == start || result.ec != std::errc() || code > 0xFFFF) {
                throw LayoutError(line_, "Invalid character code in a text");
            }
            token.string += static_cast<char16_t>(code);
        }
    }
    return token;
}

std::vector<std::byte> LayoutTokenizer::ReadBinary() {
    const int startLine = line_;
    std::vector<std::byte> bytes;
    int high = -1;
    while (true) {
        SkipSpace();
        if (AtEnd()) throw LayoutError(startLine, "Binary data without a closing '}'");
        const char c = Peek();
        ++pos_;
        if (c == '}') break;
        const int value = HexValue(c);
        if (value < 0) throw LayoutError(line_, "Invalid character " + Printable(c) + " in binary data");
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(static_cast<std::byte>(high * 16 + value));
            high = -1;
        }
    }
    if (high >= 0) throw LayoutError(line_, "Binary data with an odd number of hexadecimal digits");
    return bytes;
}

}  // namespace ui
