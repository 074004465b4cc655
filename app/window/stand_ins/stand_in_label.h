#pragma once

#include <string>

#include "app/window/stand_ins/stand_in_text.h"
#include "ui/control.h"

namespace app::stand_ins {

// TSkinFMXLabel stand-in: its caption (published as Caption and Text) in the system font.
class StandInLabel : public ui::Control {
public:
    StandInLabel();
    std::u16string_view ClassName() const override { return u"TSkinFMXLabel"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);

    // The look, as the layout sets it.
    TextStyle style;

    void Paint(ui::Canvas& canvas) override;

private:
    std::u16string caption_;
    CaptionText text_;
};

}  // namespace app::stand_ins
