#pragma once

#include "ui/control.h"
#include "ui/enum_set.h"

namespace app::stand_ins {

enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };
using CornerSet = ui::EnumSet<Corner>;

// TSkinFMXPanel stand-in: a filled, optionally outlined rectangle rounded on the chosen corners; its children
// paint on top. A colour with alpha 0 is not drawn.
class StandInPanel : public ui::Control {
public:
    StandInPanel();
    std::u16string_view ClassName() const override { return u"TSkinFMXPanel"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // The look, as the layout sets it.
    ui::AlphaColor fillColor = 0;
    ui::AlphaColor borderColor = 0;
    float borderWidth = 1;
    float cornerRadius = 0;
    CornerSet corners{Corner::TopLeft, Corner::TopRight, Corner::BottomLeft, Corner::BottomRight};

    // The corners as the canvas names them.
    unsigned CanvasCorners() const;

    void Paint(ui::Canvas& canvas) override;
};

}  // namespace app::stand_ins
