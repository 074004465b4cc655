#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/draw/draw_param_types.h"
#include "ui/geometry.h"
#include "ui/persistent.h"

namespace skin {

class TBTNode20_Color;

// A colour of a drawing parameter or effect (0xAARRGGBB): its own colour, or one of the process-wide theme
// colours it follows (UseThemeColor). Published as Color and UseThemeColor.
class TDrawColor : public ui::Persistent {
public:
    TDrawColor(std::u16string_view name, std::u16string_view caption, ui::AlphaColor color = 0xFF000000);
    std::u16string_view ClassName() const override { return u"TDrawColor"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& Name() const { return name_; }
    const std::u16string& Caption() const { return caption_; }

    // FColor for ctNone, otherwise the current theme colour of that kind (its own alpha included).
    ui::AlphaColor Color() const;
    // Stores FColor and reports when it differs.
    void SetColor(ui::AlphaColor color);
    // The top byte of FColor. Writing it always reports, even when the value is the same.
    uint8_t Alpha() const { return static_cast<uint8_t>(FColor >> 24); }
    void SetAlpha(uint8_t alpha);
    TUseThemeColorType UseThemeColor() const { return useThemeColor_; }
    // Stores and reports when it differs.
    void SetUseThemeColor(TUseThemeColorType type);
    // Sets the colour (reporting a change) and makes it the default a stored layout leaves out.
    void InitDefaultColor(ui::AlphaColor color);
    // What Assign does for another TDrawColor: copies FColor and UseThemeColor, then reports.
    void AssignColor(const TDrawColor& source);
    // Whether a layout writer stores Color: FColor differs from StoredDefaultColor.
    bool IsColorStored() const { return FColor != StoredDefaultColor; }

    // A colour node takes the colour as it is shown (theme resolved); the node kind has no room for the theme.
    void SaveToColorNode(TBTNode20_Color& node) const;
    // Takes the node's colour as a colour of its own (UseThemeColor becomes ctNone), reporting the change.
    void LoadFromColorNode(const TBTNode20_Color& node);

    ui::NotifyEvent OnChange;
    // The own colour.
    ui::AlphaColor FColor = 0xFF000000;
    ui::AlphaColor StoredDefaultColor = 0xFF000000;

protected:
    // From another TDrawColor: FColor and UseThemeColor (not the name, caption or stored default), then
    // reports.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    void DoChange();

    std::u16string name_;
    std::u16string caption_;
    TUseThemeColorType useThemeColor_ = TUseThemeColorType::ctNone;
};

}  // namespace skin
