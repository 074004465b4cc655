#pragma once

#include <memory>
#include <string_view>

#include "ui/geometry.h"
#include "ui/text_format.h"
#include "ui/text_layout.h"

namespace ui {
class Canvas;
}

namespace app::stand_ins {

// How a stand-in control writes its caption.
struct TextStyle {
    float fontSize = 14;
    ui::AlphaColor color = 0xFFFFFFFF;
    ui::TextAlign horizontal = ui::TextAlign::Leading;
    ui::TextAlign vertical = ui::TextAlign::Center;
    ui::TextWrap wrap = ui::TextWrap::None;
};

// Draws the caption of a stand-in control with a text layout of the process's drawing services (the canvas's
// own text output when there are none), in the system's default font family. The layout is kept between
// paints and rebuilt only when something changed.
class CaptionText {
public:
    void Draw(ui::Canvas& canvas, const ui::RectF& rect, std::u16string_view text, const TextStyle& style,
              float opacity);

private:
    std::unique_ptr<ui::TextLayout> layout_;
};

}  // namespace app::stand_ins
