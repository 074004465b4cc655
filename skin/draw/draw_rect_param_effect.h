#pragma once

#include "skin/draw/draw_color.h"
#include "skin/draw/draw_effect_setting.h"
#include "skin/draw/draw_param_common_effect.h"
#include "skin/draw/draw_rect_param_types.h"

namespace skin {

// A rectangle parameter's per-state effect: besides alpha and offset it can change the fill colour, the fill
// switch, the border width and the border colour (each when its type is in EffectTypes). Its colours report
// their changes through the effect's OnChange.
class TDrawRectParamEffect : public TDrawParamCommonEffect {
public:
    TDrawRectParamEffect();
    std::u16string_view ClassName() const override { return u"TDrawRectParamEffect"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    bool IsFill() const { return isFill_; }
    void SetIsFill(bool value);
    TDrawColor& FillColor() { return fillColor_; }
    const TDrawColor& FillColor() const { return fillColor_; }
    void SetFillColor(const TDrawColor& color) { fillColor_.Assign(color); }
    TColorChangeType FillColorChangeType() const { return fillColorChangeType_; }
    void SetFillColorChangeType(TColorChangeType value);
    TDrawColor& BorderColor() { return borderColor_; }
    const TDrawColor& BorderColor() const { return borderColor_; }
    void SetBorderColor(const TDrawColor& color) { borderColor_.Assign(color); }
    double BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(double value);
    TDRPEffectTypes EffectTypes() const { return effectTypes_; }
    void SetEffectTypes(TDRPEffectTypes value);
    bool HasEffectType(TDRPEffectType type) const { return effectTypes_.Contains(type); }

    void MixEffects(const TDrawParamCommonEffect& pushed, const TDrawParamCommonEffect& mouseDown) override;
    bool HasEffectTypes() const override;
    // The common nodes, then FillDrawColor, BorderWidth, IsFill and EffectTypes (the border colour and the
    // fill colour change type are not stored).
    bool LoadFromDocNode(TBTNode20& docNode) override;
    bool SaveToDocNode(TBTNode20& docNode) const override;

protected:
    // From another rectangle effect: the fill and border colours, IsFill, BorderWidth and EffectTypes (not the
    // fill colour change type, which a mixed effect keeps), then the common values.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    // The values Assign copies besides the common ones (no report of its own; the colours report).
    void CopyOwnValues(const TDrawRectParamEffect& other);

    bool isFill_ = false;
    TDrawColor fillColor_;
    TColorChangeType fillColorChangeType_ = TColorChangeType::cctNone;
    TDrawColor borderColor_;
    double borderWidth_ = 0;
    TDRPEffectTypes effectTypes_;
};

class TDrawRectEffectSetting : public TTypedDrawEffectSetting<TDrawRectParamEffect> {
public:
    TDrawRectEffectSetting() = default;
    std::u16string_view ClassName() const override { return u"TDrawRectEffectSetting"; }
};

}  // namespace skin
