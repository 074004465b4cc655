#pragma once

#include <dwrite.h>
#include <wrl/client.h>

#include <string>

#include "platform/win32/graphics/d2d_text_bitmap.h"
#include "ui/text_layout.h"

namespace platform::win32 {

class DWriteTextFormats;

// A text layout on DirectWrite. Its DirectWrite layout is rebuilt only when the text or the font changed; the
// box, alignment, wrapping and trimming are changed on the existing layout, and colour, opacity and position
// are only used when it is rendered. It renders through a bitmap of its text (D2DTextBitmap), rendered again
// only when the layout, the colour or the device scale changed.
class DWriteTextLayout final : public ui::TextLayout {
public:
    explicit DWriteTextLayout(DWriteTextFormats& formats);

    // Renders on a canvas of the Direct2D drawing services (other canvases are refused with a log line).
    void RenderLayout(ui::Canvas& canvas) override;
    float TextWidth() override;
    float TextHeight() override;

    // How many times the DirectWrite layout has been built, for tests.
    int BuildCount() const { return builds_; }
    // How many times the text was rendered into its bitmap, for tests.
    int RenderCount() const { return bitmap_.RenderCount(); }
    // How many of those renders read the pixels back, for tests.
    int InkSearchCount() const { return bitmap_.InkSearchCount(); }

protected:
    void Changed() override;

private:
    // Brings the DirectWrite layout up to the settings; false when there is none.
    bool Update();

    DWriteTextFormats& formats_;
    Microsoft::WRL::ComPtr<IDWriteTextLayout> layout_;
    Microsoft::WRL::ComPtr<IDWriteInlineObject> ellipsis_;
    // What layout_ was built from and set up with.
    std::u16string builtText_;
    ui::Font builtFont_;
    ui::SizeF builtMaxSize_;
    ui::TextAlign builtHorizontal_ = ui::TextAlign::Leading;
    ui::TextAlign builtVertical_ = ui::TextAlign::Leading;
    ui::TextWrap builtWrap_ = ui::TextWrap::None;
    ui::TextTrimming builtTrimming_ = ui::TextTrimming::None;
    int builds_ = 0;
    D2DTextBitmap bitmap_;
};

}  // namespace platform::win32
