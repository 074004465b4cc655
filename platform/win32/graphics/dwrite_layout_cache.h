#pragma once

#include <dwrite.h>
#include <wrl/client.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/graphics/d2d_text_bitmap.h"
#include "ui/text_format.h"

namespace platform::win32 {

class DWriteTextFormats;

// The text layouts a canvas fills and measures its texts with, kept by text, font, box and options so that a
// text drawn again on the next paint is not laid out again, each with the bitmap its text is drawn from. The least
// recently used is replaced when full.
class DWriteLayoutCache {
public:
    explicit DWriteLayoutCache(DWriteTextFormats& formats);

    struct Request {
        std::u16string_view text;
        const ui::Font* font = nullptr;
        float maxWidth = 0;
        float maxHeight = 0;
        ui::TextWrap wrap = ui::TextWrap::None;
        ui::TextAlign horizontal = ui::TextAlign::Leading;
        ui::TextAlign vertical = ui::TextAlign::Leading;
    };

    struct Layout {
        IDWriteTextLayout* layout = nullptr;
        D2DTextBitmap* bitmap = nullptr;
    };

    // The layout for the request and its text bitmap (valid until the next call); no layout (logged) on failure.
    Layout Get(const Request& request);

private:
    struct Entry {
        std::u16string text;
        ui::Font font;
        float maxWidth = 0;
        float maxHeight = 0;
        ui::TextWrap wrap = ui::TextWrap::None;
        ui::TextAlign horizontal = ui::TextAlign::Leading;
        ui::TextAlign vertical = ui::TextAlign::Leading;
        Microsoft::WRL::ComPtr<IDWriteTextLayout> layout;
        D2DTextBitmap bitmap;
        uint64_t lastUse = 0;
    };

    DWriteTextFormats& formats_;
    std::vector<Entry> entries_;
    uint64_t clock_ = 0;
};

}  // namespace platform::win32
