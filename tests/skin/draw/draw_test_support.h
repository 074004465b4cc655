#pragma once

// A component shaped like a skinned control with its own material (SelfOwnMaterial.BackColor,
// SelfOwnMaterial.DrawCaptionParam) for reading layouts into drawing parameters, and helpers that read
// published properties by dotted path as layout text.

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "ui/component.h"
#include "ui/property.h"
#include "ui/property_path.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace skin::testing {

// Counts the reports of an OnChange event.
struct ChangeCounter {
    int count = 0;
    ui::NotifyEvent Handler() {
        return [this](ui::Object*) { ++count; };
    }
    int Take() {
        const int taken = count;
        count = 0;
        return taken;
    }
};

class TestMaterial : public ui::Persistent {
public:
    std::u16string_view ClassName() const override { return u"TTestMaterial"; }
    static const ui::PropertyTable& StaticProperties() {
        static const ui::PropertyTable table =
            ui::PropertyTableBuilder<TestMaterial>()
                .Object(u"BackColor", [](TestMaterial& m) -> ui::Persistent& { return m.BackColor; })
                .Object(u"DrawCaptionParam", [](TestMaterial& m) -> ui::Persistent& { return m.DrawCaptionParam; })
                .Build();
        return table;
    }
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawRectParam BackColor{u"DrawBackColorParam", u"背景颜色矩形绘制参数"};
    TDrawTextParam DrawCaptionParam{u"DrawCaptionParam", u"标题绘制参数"};
};

class TestHost : public ui::Component {
public:
    std::u16string_view ClassName() const override { return u"TTestHost"; }
    static const ui::PropertyTable& StaticProperties() {
        static const ui::PropertyTable table =
            ui::PropertyTableBuilder<TestHost>(&ui::Component::StaticProperties())
                .Object(u"SelfOwnMaterial", [](TestHost& h) -> ui::Persistent& { return h.material; })
                .Build();
        return table;
    }
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TestMaterial material;
};

inline std::string Utf8(std::u16string_view text) { return ui::Utf16ToUtf8(text); }

// The value of the property at path, written as a layout writes it: True/False, numbers, 'text', names,
// [a, b] for sets, xAARRGGBB for colours.
inline std::string PropertyText(ui::Persistent& start, std::u16string_view path) {
    const ui::PropertyTarget target = ui::ResolvePropertyPath(start, path, ui::PathResolution::Strict);
    const ui::Property& property = *target.property;
    ui::Persistent& instance = *target.instance;
    char buffer[64];
    switch (property.Kind()) {
        case ui::PropertyKind::Bool:
            return property.GetBool(instance) ? "True" : "False";
        case ui::PropertyKind::Integer:
            return std::to_string(property.GetInteger(instance));
        case ui::PropertyKind::Single:
        case ui::PropertyKind::Double:
            std::snprintf(buffer, sizeof buffer, "%.17g", property.GetFloat(instance));
            return buffer;
        case ui::PropertyKind::Text: {
            std::string text(1, '\'');
            text += Utf8(property.GetText(instance));
            text += '\'';
            return text;
        }
        case ui::PropertyKind::Enumeration:
            return Utf8(property.GetEnumName(instance));
        case ui::PropertyKind::Set: {
            const uint64_t bits = property.GetSetBits(instance);
            std::string text = "[";
            for (size_t i = 0; i < property.ValueNames().size(); ++i) {
                if ((bits & (uint64_t{1} << i)) == 0) continue;
                if (text.size() > 1) text += ", ";
                text += Utf8(property.ValueNames()[i]);
            }
            return text + "]";
        }
        case ui::PropertyKind::Color:
            std::snprintf(buffer, sizeof buffer, "x%08X", static_cast<unsigned>(property.GetColor(instance)));
            return buffer;
        default:
            throw std::runtime_error("PropertyText: unsupported kind at " + Utf8(path));
    }
}

}  // namespace skin::testing
