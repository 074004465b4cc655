#include "skin/core/skin_string_list.h"

#include "ui/property_table.h"

namespace skin {

const ui::PropertyTable& TSkinStringList::StaticProperties() {
    static const ui::PropertyTable table = ui::PropertyTableBuilder<TSkinStringList>()
                                               .Text(u"Text", &TSkinStringList::Text, &TSkinStringList::SetText)
                                               .Build();
    return table;
}

std::u16string TSkinStringList::Text() const {
    std::u16string text;
    for (size_t i = 0; i < strings_.size(); ++i) {
        if (i > 0) text += u'\n';
        text += strings_[i];
    }
    return text;
}

void TSkinStringList::SetText(std::u16string_view text) {
    strings_.clear();
    while (!text.empty()) {
        const size_t end = text.find(u'\n');
        std::u16string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        strings_.emplace_back(line);
        if (end == std::u16string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

bool TSkinStringList::AssignFrom(const ui::Persistent& source) {
    const auto* list = dynamic_cast<const TSkinStringList*>(&source);
    if (list == nullptr) return false;
    strings_ = list->strings_;
    return true;
}

}  // namespace skin
