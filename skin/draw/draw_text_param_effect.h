#pragma once

#include "skin/draw/draw_color.h"
#include "skin/draw/draw_effect_setting.h"
#include "skin/draw/draw_param_common_effect.h"
#include "skin/draw/draw_text_param_types.h"

namespace skin {

// A text parameter's per-state effect: besides alpha and offset it can change the font colour, size and
// style (each when its type is in EffectTypes). Its colour reports its changes through the effect's OnChange.
class TDrawTextParamEffect : public TDrawParamCommonEffect {
public:
    TDrawTextParamEffect();
    std::u16string_view ClassName() const override { return u"TDrawTextParamEffect"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawColor& FontColor() { return fontColor_; }
    const TDrawColor& FontColor() const { return fontColor_; }
    void SetFontColor(const TDrawColor& color) { fontColor_.Assign(color); }
    // The platform's default font size at first.
    double FontSize() const { return fontSize_; }
    void SetFontSize(double value);
    TFontStyles FontStyle() const { return fontStyle_; }
    void SetFontStyle(TFontStyles value);
    TDTPEffectTypes EffectTypes() const { return effectTypes_; }
    void SetEffectTypes(TDTPEffectTypes value);
    bool HasEffectType(TDTPEffectType type) const { return effectTypes_.Contains(type); }
    // Whether a layout writer stores FontSize: not when it is 0 or the default size (within the tolerance).
    bool IsFontSizeStored() const;

    void MixEffects(const TDrawParamCommonEffect& pushed, const TDrawParamCommonEffect& mouseDown) override;
    bool HasEffectTypes() const override;
    // The common nodes, then FontColor, FontSize (read from a Real64 or an Int32 node), FontStyle and
    // EffectTypes.
    bool LoadFromDocNode(TBTNode20& docNode) override;
    bool SaveToDocNode(TBTNode20& docNode) const override;

protected:
    // From another text effect: FontColor, FontSize, FontStyle and EffectTypes, then the common values.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    // The values Assign copies besides the common ones (no report of its own; the colour reports).
    void CopyOwnValues(const TDrawTextParamEffect& other);

    TDrawColor fontColor_;
    double fontSize_;
    TFontStyles fontStyle_;
    TDTPEffectTypes effectTypes_;
};

class TDrawTextEffectSetting : public TTypedDrawEffectSetting<TDrawTextParamEffect> {
public:
    TDrawTextEffectSetting() = default;
    std::u16string_view ClassName() const override { return u"TDrawTextEffectSetting"; }
};

}  // namespace skin
