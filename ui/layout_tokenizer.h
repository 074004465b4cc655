#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class TokenKind { End, Identifier, Integer, Float, String, Symbol };

struct Token {
    TokenKind kind = TokenKind::End;
    // The line the token starts on (from 1).
    int line = 1;
    // Identifier: its text (UTF-8); Symbol: the character.
    std::string text;
    // String: the text, quoted parts and #n character codes joined.
    std::u16string string;
    int64_t integer = 0;
    double number = 0;

    bool IsSymbol(char c) const { return kind == TokenKind::Symbol && text.size() == 1 && text[0] == c; }
};

// Splits a stored layout (UTF-8) into tokens: identifiers (letters, digits and '_'; any non-ASCII letter
// counts as a letter), decimal and $-hexadecimal integers, decimal numbers with a fraction or exponent,
// texts ('It''s' with doubled quotes, #13 and #$0D character codes, adjacent parts joined) and single
// characters = : . , [ ] { } ( ) < > + -. Signs are symbols; the reader applies them. Throws LayoutError
// naming the line for anything else.
class LayoutTokenizer {
public:
    explicit LayoutTokenizer(std::string_view text);

    Token Next();
    // After a '{' token: the bytes of the hexadecimal digits up to the closing '}', white space and line
    // breaks between them ignored.
    std::vector<std::byte> ReadBinary();
    int Line() const { return line_; }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    // Skips blanks and line breaks, counting lines.
    void SkipSpace();
    Token ReadNumber();
    Token ReadHexNumber();
    Token ReadString();

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace ui
