#include "platform/win32/graphics/dwrite_text_formats.h"

#include <algorithm>
#include <limits>

#include "platform/win32/graphics/dwrite_font_resolver.h"
#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

namespace {

// Formats kept before the least recently used one is replaced.
constexpr size_t kMaxFormats = 48;

// Only the style bits that select a face; underline and strike-out are set on each layout.
constexpr unsigned kFaceStyles = ui::fsBold | ui::fsItalic;

DWRITE_TEXT_ALIGNMENT TextAlignment(ui::TextAlign align) {
    switch (align) {
        case ui::TextAlign::Leading:
            return DWRITE_TEXT_ALIGNMENT_LEADING;
        case ui::TextAlign::Center:
            return DWRITE_TEXT_ALIGNMENT_CENTER;
        case ui::TextAlign::Trailing:
            return DWRITE_TEXT_ALIGNMENT_TRAILING;
    }
    return DWRITE_TEXT_ALIGNMENT_LEADING;
}

DWRITE_PARAGRAPH_ALIGNMENT ParagraphAlignment(ui::TextAlign align) {
    switch (align) {
        case ui::TextAlign::Leading:
            return DWRITE_PARAGRAPH_ALIGNMENT_NEAR;
        case ui::TextAlign::Center:
            return DWRITE_PARAGRAPH_ALIGNMENT_CENTER;
        case ui::TextAlign::Trailing:
            return DWRITE_PARAGRAPH_ALIGNMENT_FAR;
    }
    return DWRITE_PARAGRAPH_ALIGNMENT_NEAR;
}

// DirectWrite refuses a size of zero and below.
float UsableSize(float size) { return size > 0.01f ? size : 0.01f; }

}  // namespace

DWriteTextFormats::DWriteTextFormats(IDWriteFactory* factory, DWriteFontResolver& fonts)
    : factory_(factory), fonts_(fonts) {
    entries_.reserve(kMaxFormats);
}

const DWriteTextFormats::Format* DWriteTextFormats::Get(const ui::Font& font) {
    const std::wstring& family = fonts_.Resolve(font.family);
    const float size = UsableSize(font.size);
    const unsigned style = font.style & kFaceStyles;
    ++clock_;
    for (Entry& entry : entries_) {
        if (entry.size == size && entry.style == style && entry.family == family) {
            entry.lastUse = clock_;
            return &entry.format;
        }
    }

    Format format;
    const HRESULT hr = factory_->CreateTextFormat(
        family.c_str(), nullptr, (style & ui::fsBold) ? DWRITE_FONT_WEIGHT_BOLD : DWRITE_FONT_WEIGHT_NORMAL,
        (style & ui::fsItalic) ? DWRITE_FONT_STYLE_ITALIC : DWRITE_FONT_STYLE_NORMAL, DWRITE_FONT_STRETCH_NORMAL, size,
        L"", &format.format);
    if (!LogIfFailed(hr, u"IDWriteFactory::CreateTextFormat")) return nullptr;
    LogIfFailed(factory_->CreateEllipsisTrimmingSign(format.format.Get(), &format.ellipsis),
                u"IDWriteFactory::CreateEllipsisTrimmingSign");

    Entry* slot = nullptr;
    if (entries_.size() < kMaxFormats) {
        slot = &entries_.emplace_back();
    } else {
        slot = &*std::min_element(entries_.begin(), entries_.end(),
                                  [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    }
    slot->family = family;
    slot->size = size;
    slot->style = style;
    slot->format = std::move(format);
    slot->lastUse = clock_;
    return &slot->format;
}

Microsoft::WRL::ComPtr<IDWriteTextLayout> DWriteTextFormats::CreateLayout(std::u16string_view text,
                                                                          const ui::Font& font, float maxWidth,
                                                                          float maxHeight) {
    const Format* format = Get(font);
    if (!format) return nullptr;
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    Microsoft::WRL::ComPtr<IDWriteTextLayout> layout;
    const HRESULT hr =
        factory_->CreateTextLayout(reinterpret_cast<const wchar_t*>(text.data()), static_cast<UINT32>(text.size()),
                                   format->format.Get(), std::max(maxWidth, 0.0f), std::max(maxHeight, 0.0f), &layout);
    if (!LogIfFailed(hr, u"IDWriteFactory::CreateTextLayout")) return nullptr;
    const DWRITE_TEXT_RANGE all{0, static_cast<UINT32>(text.size())};
    if (font.style & ui::fsUnderline) layout->SetUnderline(TRUE, all);
    if (font.style & ui::fsStrikeOut) layout->SetStrikethrough(TRUE, all);
    return layout;
}

void DWriteTextFormats::SetOptions(IDWriteTextLayout* layout, IDWriteInlineObject* ellipsis, ui::TextAlign horizontal,
                                   ui::TextAlign vertical, ui::TextWrap wrap, ui::TextTrimming trimming) {
    layout->SetTextAlignment(TextAlignment(horizontal));
    layout->SetParagraphAlignment(ParagraphAlignment(vertical));
    layout->SetWordWrapping(wrap == ui::TextWrap::Word ? DWRITE_WORD_WRAPPING_WRAP : DWRITE_WORD_WRAPPING_NO_WRAP);
    DWRITE_TRIMMING options{DWRITE_TRIMMING_GRANULARITY_NONE, 0, 0};
    IDWriteInlineObject* sign = nullptr;
    if (trimming != ui::TextTrimming::None) {
        options.granularity = trimming == ui::TextTrimming::Character ? DWRITE_TRIMMING_GRANULARITY_CHARACTER
                                                                      : DWRITE_TRIMMING_GRANULARITY_WORD;
        sign = ellipsis;
    }
    layout->SetTrimming(&options, sign);
}

}  // namespace platform::win32
