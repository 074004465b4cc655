#include "skin/draw/font_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

#include "ui/text.h"

namespace skin {

namespace {

constexpr std::u16string_view kStyleNames[] = {u"Bold", u"Italic", u"Underline", u"Strikeout"};
static_assert(std::size(kStyleNames) == kEnumCount<TFontStyle>, "a font text name for every style");

std::optional<float> ParseSize(std::u16string_view text) {
    text = ui::TrimBlanks(text);
    if (text.empty() || text.size() > 64) return std::nullopt;
    std::string ascii;
    for (char16_t c : text) {
        if (c == u',') c = u'.';
        if (c > 0x7F) return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    const std::optional<float> size = ui::ParseDecimalFloat(ascii);
    if (!size || !std::isfinite(*size) || *size <= 0) return std::nullopt;
    return size;
}

// The shortest text that reads back as the same value, plain rather than with an exponent when not longer ("14",
// "9.5", "0.1"). printf and strtof do here what std::to_chars would, without its tables of about 100 KB.
std::string ShortestText(float value) {
    const auto search = [value](const char* format) {
        char buffer[64];
        for (int digits = 0; digits <= 48; ++digits) {
            std::snprintf(buffer, sizeof buffer, format, digits, static_cast<double>(value));
            if (std::strtof(buffer, nullptr) == value) return std::string(buffer);
        }
        return std::string(buffer);
    };
    std::string plain = search("%.*f");
    const std::string exponent = search("%.*e");
    return exponent.size() < plain.size() ? exponent : plain;
}

}  // namespace

std::u16string FormatFontText(std::u16string_view family, float size, TFontStyles style) {
    std::u16string text = u"\"";
    text.append(family).append(u"\", ");
    for (const char c : ShortestText(size)) text.push_back(static_cast<char16_t>(c));
    text.append(u", [");
    bool first = true;
    for (int ordinal = 0; ordinal < kEnumCount<TFontStyle>; ++ordinal) {
        if (!style.Contains(static_cast<TFontStyle>(ordinal))) continue;
        if (!first) text.push_back(u'|');
        text.append(kStyleNames[ordinal]);
        first = false;
    }
    text.append(u"],");
    return text;
}

FontTextParts ParseFontText(std::u16string_view text) {
    FontTextParts parts;
    if (text.empty() || text.front() != u'"') return parts;
    // The style list begins at the last ", [" (absent in a cut text); the family ends at the last '", '
    // before it.
    const size_t styleStart = text.rfind(u", [");
    const std::u16string_view head = styleStart == std::u16string_view::npos ? text : text.substr(0, styleStart);
    const size_t familyEnd = head.rfind(u"\", ");
    if (familyEnd == std::u16string_view::npos || familyEnd == 0) return parts;
    parts.family = std::u16string(head.substr(1, familyEnd - 1));

    parts.size = ParseSize(head.substr(familyEnd + 3));
    if (!parts.size || styleStart == std::u16string_view::npos) return parts;

    const size_t listStart = styleStart + 3;
    const size_t listEnd = text.find(u']', listStart);
    if (listEnd == std::u16string_view::npos) return parts;
    const std::u16string_view list = text.substr(listStart, listEnd - listStart);
    TFontStyles style;
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(u'|', pos);
        if (end == std::u16string_view::npos) end = list.size();
        const std::u16string_view name = list.substr(pos, end - pos);
        for (int ordinal = 0; ordinal < kEnumCount<TFontStyle>; ++ordinal) {
            if (name == kStyleNames[ordinal]) style.Include(static_cast<TFontStyle>(ordinal));
        }
        pos = end + 1;
    }
    parts.style = style;
    return parts;
}

}  // namespace skin
