#include "skin/draw/set_text.h"

namespace skin {

std::u16string SetBitsToText(uint64_t bits) {
    std::u16string text;
    for (int ordinal = 0; ordinal < 64; ++ordinal) {
        if ((bits & (uint64_t{1} << ordinal)) == 0) continue;
        for (char c : std::to_string(ordinal)) text.push_back(static_cast<char16_t>(c));
        text.push_back(u',');
    }
    return text;
}

uint64_t SetBitsFromText(std::u16string_view text, int memberCount) {
    uint64_t bits = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find_first_of(u", ", pos);
        if (end == std::u16string_view::npos) end = text.size();
        const std::u16string_view item = text.substr(pos, end - pos);
        pos = end + 1;
        if (item.empty()) continue;
        // A decimal number; anything that reaches memberCount is out of range whatever digits follow.
        bool number = true;
        int64_t value = 0;
        for (char16_t c : item) {
            if (c < u'0' || c > u'9') {
                number = false;
                break;
            }
            if (value <= memberCount) value = value * 10 + (c - u'0');
        }
        if (number && value < memberCount && value < 64) bits |= uint64_t{1} << value;
    }
    return bits;
}

}  // namespace skin
