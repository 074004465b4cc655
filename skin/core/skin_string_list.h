#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/persistent.h"

namespace skin {

// An owned list of texts, published as its lines (one text per line, "\n" between them).
class TSkinStringList : public ui::Persistent {
public:
    std::u16string_view ClassName() const override { return u"TStringList"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::vector<std::u16string>& Strings() const { return strings_; }
    void Add(std::u16string_view text) { strings_.emplace_back(text); }
    void Clear() { strings_.clear(); }
    int Count() const { return static_cast<int>(strings_.size()); }

    // The texts joined by "\n"; setting splits at "\n" (a "\r" before it is dropped) and keeps empty lines
    // but not a final empty one.
    std::u16string Text() const;
    void SetText(std::u16string_view text);

protected:
    bool AssignFrom(const ui::Persistent& source) override;

private:
    std::vector<std::u16string> strings_;
};

}  // namespace skin
