#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/persistent.h"

namespace skin {

// Four margins in whole pixels (0 or more, 8 each at first) where a picture is cut into a nine-patch or
// three-part, or how large its corners and ends are drawn. Stored as the text "Left,Top,Right,Bottom".
class TBorderMargins : public ui::Persistent {
public:
    static constexpr int32_t kDefaultMargin = 8;

    TBorderMargins() = default;
    std::u16string_view ClassName() const override { return u"TBorderMargins"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // Setters store a value that differs and report it. A negative margin is stored as 0 (with a log line).
    int32_t Left() const { return left_; }
    void SetLeft(int32_t value);
    int32_t Top() const { return top_; }
    void SetTop(int32_t value);
    int32_t Right() const { return right_; }
    void SetRight(int32_t value);
    int32_t Bottom() const { return bottom_; }
    void SetBottom(int32_t value);
    // Stores all four when any differs and reports once.
    void SetBounds(int32_t left, int32_t top, int32_t right, int32_t bottom);

    // "Left,Top,Right,Bottom" in decimal, no blanks.
    std::u16string SaveToString() const;
    // Reads a comma- (or blank-) separated list; items may be quoted. With at least four items the first four
    // are applied with SetBounds; with fewer nothing changes. When one of the four is not a decimal integer
    // from 0 to 2147483647, nothing changes and a log line names the text. Returns whether it was applied.
    bool LoadFromString(std::u16string_view text);

    ui::NotifyEvent OnChange;

protected:
    // From other margins: the four values, then always reports.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    void DoChange();

    int32_t left_ = kDefaultMargin;
    int32_t top_ = kDefaultMargin;
    int32_t right_ = kDefaultMargin;
    int32_t bottom_ = kDefaultMargin;
};

}  // namespace skin
