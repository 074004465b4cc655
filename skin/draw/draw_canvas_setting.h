#pragma once

#include <string>
#include <string_view>

#include "ui/component.h"

namespace skin {

// A component that publishes four of the process-wide drawing settings (IsUseDefaultFontFamily,
// DefaultFontFamily, IsDrawDesigningRect, IsDrawDesigningName) to layouts. It holds nothing itself: reading
// and writing go straight to DrawCanvasSettings(), without notification or repaint.
class TDrawCanvasSetting : public ui::Component {
public:
    std::u16string_view ClassName() const override { return u"TDrawCanvasSetting"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    bool IsUseDefaultFontFamily() const;
    void SetIsUseDefaultFontFamily(bool value);
    std::u16string DefaultFontFamily() const;
    void SetDefaultFontFamily(std::u16string_view value);
    bool IsDrawDesigningRect() const;
    void SetIsDrawDesigningRect(bool value);
    bool IsDrawDesigningName() const;
    void SetIsDrawDesigningName(bool value);
};

}  // namespace skin
