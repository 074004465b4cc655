#include "app/window/stand_ins/stand_in_label.h"

#include "ui/property_table.h"

namespace app::stand_ins {

StandInLabel::StandInLabel() { SetSize(120, 22); }

const ui::PropertyTable& StandInLabel::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<StandInLabel>(&ui::Control::StaticProperties())
            .Text(u"Caption", &StandInLabel::Caption, &StandInLabel::SetCaption)
            .Text(u"Text", &StandInLabel::Caption, &StandInLabel::SetCaption)
            .Single(
                u"FontSize", [](const StandInLabel& l) { return l.style.fontSize; },
                [](StandInLabel& l, float size) { l.style.fontSize = size; })
            .Color(
                u"FontColor", [](const StandInLabel& l) { return l.style.color; },
                [](StandInLabel& l, ui::AlphaColor color) { l.style.color = color; })
            .Bool(
                u"WordWrap", [](const StandInLabel& l) { return l.style.wrap == ui::TextWrap::Word; },
                [](StandInLabel& l, bool wrap) { l.style.wrap = wrap ? ui::TextWrap::Word : ui::TextWrap::None; })
            .Enumeration<ui::TextAlign>(
                u"HorzAlign", {u"Leading", u"Center", u"Trailing"},
                [](const StandInLabel& l) { return l.style.horizontal; },
                [](StandInLabel& l, ui::TextAlign align) { l.style.horizontal = align; })
            .Enumeration<ui::TextAlign>(
                u"VertAlign", {u"Leading", u"Center", u"Trailing"},
                [](const StandInLabel& l) { return l.style.vertical; },
                [](StandInLabel& l, ui::TextAlign align) { l.style.vertical = align; })
            .Build();
    return table;
}

void StandInLabel::SetCaption(std::u16string_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Repaint();
}

void StandInLabel::Paint(ui::Canvas& canvas) { text_.Draw(canvas, LocalRect(), caption_, style, AbsoluteOpacity()); }

}  // namespace app::stand_ins
