#include "skin/draw/border_margins.h"

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "skin/core/base_log.h"
#include "skin/core/store_if_changed.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace skin {

namespace {

// A margin below 0 is stored as 0; the caller is told through the log.
int32_t NonNegative(int32_t value) {
    if (value >= 0) return value;
    DebugLog(u"TBorderMargins: the negative margin " + ui::Utf8ToUtf16(std::to_string(value)) + u" is stored as 0");
    return 0;
}

bool IsBlank(char16_t c) { return c <= u' '; }

// The items of a comma text: separated by commas or blanks; an item in double quotes may hold both (a doubled
// quote inside stands for one). Consecutive commas give empty items.
std::vector<std::u16string> SplitCommaText(std::u16string_view text) {
    std::vector<std::u16string> items;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        std::u16string item;
        if (text[i] == u'"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"') {
                        item.push_back(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item.push_back(text[i++]);
            }
        } else {
            while (i < text.size() && text[i] != u',' && !IsBlank(text[i])) item.push_back(text[i++]);
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i < text.size() && text[i] == u',') {
            ++i;
            skipBlanks();
            if (i == text.size()) items.emplace_back();
        }
    }
    return items;
}

// A decimal margin from 0 to 2147483647 (an optional plus sign allowed), or nothing.
std::optional<int32_t> ParseMargin(std::u16string_view item) {
    if (!item.empty() && item.front() == u'+') item.remove_prefix(1);
    if (item.empty()) return std::nullopt;
    int64_t value = 0;
    for (char16_t c : item) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

std::u16string Decimal(int32_t value) { return ui::Utf8ToUtf16(std::to_string(value)); }

}  // namespace

const ui::PropertyTable& TBorderMargins::StaticProperties() {
    using T = TBorderMargins;
    static const ui::PropertyTable table = ui::PropertyTableBuilder<T>()
                                               .Integer<int32_t>(u"Left", &T::Left, &T::SetLeft)
                                               .Integer<int32_t>(u"Top", &T::Top, &T::SetTop)
                                               .Integer<int32_t>(u"Right", &T::Right, &T::SetRight)
                                               .Integer<int32_t>(u"Bottom", &T::Bottom, &T::SetBottom)
                                               .Build();
    return table;
}

void TBorderMargins::SetLeft(int32_t value) {
    StoreIfChanged(left_, NonNegative(value), [this] { DoChange(); });
}
void TBorderMargins::SetTop(int32_t value) {
    StoreIfChanged(top_, NonNegative(value), [this] { DoChange(); });
}
void TBorderMargins::SetRight(int32_t value) {
    StoreIfChanged(right_, NonNegative(value), [this] { DoChange(); });
}
void TBorderMargins::SetBottom(int32_t value) {
    StoreIfChanged(bottom_, NonNegative(value), [this] { DoChange(); });
}

void TBorderMargins::SetBounds(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    StoreIfChanged(std::tie(left_, top_, right_, bottom_),
                   std::tuple(NonNegative(left), NonNegative(top), NonNegative(right), NonNegative(bottom)),
                   [this] { DoChange(); });
}

std::u16string TBorderMargins::SaveToString() const {
    return Decimal(left_) + u"," + Decimal(top_) + u"," + Decimal(right_) + u"," + Decimal(bottom_);
}

bool TBorderMargins::LoadFromString(std::u16string_view text) {
    const std::vector<std::u16string> items = SplitCommaText(text);
    if (items.size() < 4) return false;
    std::array<int32_t, 4> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        const std::optional<int32_t> value = ParseMargin(items[i]);
        if (!value) {
            DebugLog(u"TBorderMargins: the margins text \"" + std::u16string(text) + u"\" has the item \"" + items[i] +
                     u"\", which is no margin; the margins stay " + SaveToString());
            return false;
        }
        values[i] = *value;
    }
    SetBounds(values[0], values[1], values[2], values[3]);
    return true;
}

bool TBorderMargins::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TBorderMargins*>(&source);
    if (other == nullptr) return ui::Persistent::AssignFrom(source);
    left_ = other->left_;
    top_ = other->top_;
    right_ = other->right_;
    bottom_ = other->bottom_;
    DoChange();
    return true;
}

void TBorderMargins::DoChange() {
    if (OnChange) OnChange(this);
}

}  // namespace skin
