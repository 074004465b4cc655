#include "platform/win32/graphics/dwrite_text_layout.h"

#include <algorithm>

#include "platform/win32/graphics/d2d_canvas.h"
#include "platform/win32/graphics/dwrite_text_formats.h"
#include "platform/win32/graphics/hresult_log.h"

namespace platform::win32 {

namespace {

bool SameFont(const ui::Font& a, const ui::Font& b) {
    return a.size == b.size && a.style == b.style && a.family == b.family;
}

}  // namespace

DWriteTextLayout::DWriteTextLayout(DWriteTextFormats& formats) : formats_(formats) {}

void DWriteTextLayout::Changed() { Update(); }

bool DWriteTextLayout::Update() {
    if (IsDirty()) {
        // Rebuild() clears the dirty mark and comes back here through Changed().
        Rebuild();
        return layout_ != nullptr;
    }
    const ui::TextLayoutSettings& s = Settings();
    bool options = false;
    if (!layout_ || s.text != builtText_ || !SameFont(s.font, builtFont_)) {
        bitmap_.Invalidate();
        layout_ = formats_.CreateLayout(s.text, s.font, s.maxSize.width, s.maxSize.height);
        const DWriteTextFormats::Format* format = formats_.Get(s.font);
        ellipsis_ = format ? format->ellipsis : nullptr;
        builtText_.assign(s.text);
        builtFont_ = s.font;
        ++builds_;
        if (!layout_) return false;
        options = true;
    }
    // Set only what changed: the rendered text is kept as long as the layout stays the same.
    if (options || s.maxSize.width != builtMaxSize_.width || s.maxSize.height != builtMaxSize_.height) {
        layout_->SetMaxWidth(std::max(s.maxSize.width, 0.0f));
        layout_->SetMaxHeight(std::max(s.maxSize.height, 0.0f));
        builtMaxSize_ = s.maxSize;
        bitmap_.Invalidate();
    }
    if (options || s.horizontalAlign != builtHorizontal_ || s.verticalAlign != builtVertical_ || s.wrap != builtWrap_ ||
        s.trimming != builtTrimming_) {
        DWriteTextFormats::SetOptions(layout_.Get(), ellipsis_.Get(), s.horizontalAlign, s.verticalAlign, s.wrap,
                                      s.trimming);
        builtHorizontal_ = s.horizontalAlign;
        builtVertical_ = s.verticalAlign;
        builtWrap_ = s.wrap;
        builtTrimming_ = s.trimming;
        bitmap_.Invalidate();
    }
    return true;
}

void DWriteTextLayout::RenderLayout(ui::Canvas& canvas) {
    auto* target = dynamic_cast<D2DCanvas*>(&canvas);
    if (!target) {
        LogGraphics(u"RenderLayout on a canvas that is not a Direct2D canvas");
        return;
    }
    const ui::TextLayoutSettings& s = Settings();
    if (s.text.empty() || !Update()) return;
    target->DrawTextLayout(layout_.Get(), s.topLeft, s.color, s.opacity, &bitmap_);
}

float DWriteTextLayout::TextWidth() {
    if (Settings().text.empty() || !Update()) return 0;
    DWRITE_TEXT_METRICS metrics{};
    LogIfFailed(layout_->GetMetrics(&metrics), u"IDWriteTextLayout::GetMetrics");
    return metrics.widthIncludingTrailingWhitespace;
}

float DWriteTextLayout::TextHeight() {
    if (!Update()) return 0;
    DWRITE_TEXT_METRICS metrics{};
    LogIfFailed(layout_->GetMetrics(&metrics), u"IDWriteTextLayout::GetMetrics");
    return metrics.height;
}

}  // namespace platform::win32
