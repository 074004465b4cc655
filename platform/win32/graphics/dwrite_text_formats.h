#pragma once

#include <dwrite.h>
#include <wrl/client.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/text_format.h"

namespace platform::win32 {

class DWriteFontResolver;

// DirectWrite text formats by font, made once and shared by every canvas and text layout, and the text
// layouts built on them.
class DWriteTextFormats {
public:
    DWriteTextFormats(IDWriteFactory* factory, DWriteFontResolver& fonts);

    struct Format {
        Microsoft::WRL::ComPtr<IDWriteTextFormat> format;
        // The "..." shown where trimming cuts the text.
        Microsoft::WRL::ComPtr<IDWriteInlineObject> ellipsis;
    };

    // The format of the font (its family resolved to an installed one); nullptr when DirectWrite refuses.
    const Format* Get(const ui::Font& font);

    // A layout of the text in the font within the maximum size, with the given alignment, wrapping, trimming and
    // the font's underline and strike-out; nullptr (logged) on failure.
    Microsoft::WRL::ComPtr<IDWriteTextLayout> CreateLayout(std::u16string_view text, const ui::Font& font,
                                                           float maxWidth, float maxHeight);

    // Applies the options that a layout can change without being rebuilt; ellipsis is the sign trimming shows
    // (the format's, may be nullptr).
    static void SetOptions(IDWriteTextLayout* layout, IDWriteInlineObject* ellipsis, ui::TextAlign horizontal,
                           ui::TextAlign vertical, ui::TextWrap wrap, ui::TextTrimming trimming);

private:
    struct Entry {
        std::wstring family;
        float size = 0;
        unsigned style = 0;
        Format format;
        uint64_t lastUse = 0;
    };

    IDWriteFactory* factory_;
    DWriteFontResolver& fonts_;
    std::vector<Entry> entries_;
    uint64_t clock_ = 0;
};

}  // namespace platform::win32
