#include "platform/win32/graphics/dwrite_layout_cache.h"

#include <algorithm>

#include "platform/win32/graphics/dwrite_text_formats.h"

namespace platform::win32 {

namespace {

constexpr size_t kMaxLayouts = 64;

}  // namespace

DWriteLayoutCache::DWriteLayoutCache(DWriteTextFormats& formats) : formats_(formats) { entries_.reserve(kMaxLayouts); }

DWriteLayoutCache::Layout DWriteLayoutCache::Get(const Request& r) {
    ++clock_;
    for (Entry& e : entries_) {
        if (e.layout && e.maxWidth == r.maxWidth && e.maxHeight == r.maxHeight && e.wrap == r.wrap &&
            e.horizontal == r.horizontal && e.vertical == r.vertical && e.font.size == r.font->size &&
            e.font.style == r.font->style && e.text == r.text && e.font.family == r.font->family) {
            e.lastUse = clock_;
            return {e.layout.Get(), &e.bitmap};
        }
    }
    Microsoft::WRL::ComPtr<IDWriteTextLayout> layout = formats_.CreateLayout(r.text, *r.font, r.maxWidth, r.maxHeight);
    if (!layout) return {};
    DWriteTextFormats::SetOptions(layout.Get(), nullptr, r.horizontal, r.vertical, r.wrap, ui::TextTrimming::None);

    Entry* slot = nullptr;
    if (entries_.size() < kMaxLayouts) {
        slot = &entries_.emplace_back();
    } else {
        slot = &*std::min_element(entries_.begin(), entries_.end(),
                                  [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    }
    slot->text.assign(r.text);
    slot->font = *r.font;
    slot->maxWidth = r.maxWidth;
    slot->maxHeight = r.maxHeight;
    slot->wrap = r.wrap;
    slot->horizontal = r.horizontal;
    slot->vertical = r.vertical;
    slot->layout = std::move(layout);
    // A replaced entry's bitmap shows another text.
    slot->bitmap.Invalidate();
    slot->lastUse = clock_;
    return {slot->layout.Get(), &slot->bitmap};
}

}  // namespace platform::win32
