#pragma once

#include <string>

#include "ui/geometry.h"
#include "ui/text_format.h"

namespace ui {

class Canvas;

// Everything a text layout is set up with.
struct TextLayoutSettings {
    PointF topLeft;
    SizeF maxSize{1e6f, 1e6f};
    std::u16string text;
    float opacity = 1;
    TextTrimming trimming = TextTrimming::None;
    Font font;
    AlphaColor color = 0xFF000000;
    TextAlign horizontalAlign = TextAlign::Leading;
    TextAlign verticalAlign = TextAlign::Leading;
    TextWrap wrap = TextWrap::None;
};

// A reusable, formatted block of text: set up once per draw inside BeginUpdate/EndUpdate, then rendered on a
// canvas or measured. Implementations rebuild their platform layout only when the settings changed.
class TextLayout {
public:
    virtual ~TextLayout() = default;

    void BeginUpdate() { ++updating_; }
    void EndUpdate() {
        if (updating_ > 0 && --updating_ == 0 && dirty_) Rebuild();
    }
    // The settings to change between BeginUpdate and EndUpdate.
    TextLayoutSettings& Edit() {
        dirty_ = true;
        return settings_;
    }
    const TextLayoutSettings& Settings() const { return settings_; }

    virtual void RenderLayout(Canvas& canvas) = 0;
    virtual float TextWidth() = 0;
    virtual float TextHeight() = 0;

protected:
    // Called when an update ends with changed settings (and by implementations before use when needed).
    virtual void Changed() {}
    bool IsDirty() const { return dirty_; }
    void Rebuild() {
        dirty_ = false;
        Changed();
    }

private:
    TextLayoutSettings settings_;
    int updating_ = 0;
    bool dirty_ = true;
};

}  // namespace ui
