#pragma once

#include <map>
#include <string>
#include <string_view>

namespace skin {

// A table of texts by key, one value per language code ("zh", "en", ...).
class TLang {
public:
    bool HasKey(std::u16string_view key) const { return values_.find(key) != values_.end(); }
    // The key's value for lang; '' when there is none.
    std::u16string GetValue(std::u16string_view key, std::u16string_view lang) const {
        const auto entry = values_.find(key);
        if (entry == values_.end()) return {};
        const auto value = entry->second.find(lang);
        return value != entry->second.end() ? value->second : std::u16string();
    }
    void SetValue(std::u16string_view key, std::u16string_view lang, std::u16string_view value) {
        values_[std::u16string(key)][std::u16string(lang)] = value;
    }

private:
    std::map<std::u16string, std::map<std::u16string, std::u16string, std::less<>>, std::less<>> values_;
};

}  // namespace skin
