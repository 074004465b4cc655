#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/draw/draw_effect_setting.h"
#include "skin/draw/draw_param_common_effect.h"
#include "skin/draw/draw_picture_param_types.h"

namespace skin {

// A picture parameter's per-state effect: besides alpha and offset it can show another image-list entry (a fixed
// index, the next index, or a name) or turn the picture further, each when its type is in EffectTypes.
//
// Its own values are written directly: setting them reports nothing (Assign reports).
class TDrawPictureParamEffect : public TDrawParamCommonEffect {
public:
    static constexpr int32_t kDefaultRotateAngle = 90;

    TDrawPictureParamEffect() = default;
    std::u16string_view ClassName() const override { return u"TDrawPictureParamEffect"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    int32_t ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int32_t value) { imageIndex_ = value; }
    const std::u16string& ImageName() const { return imageName_; }
    void SetImageName(std::u16string_view value) { imageName_ = value; }
    // Degrees added to the parameter's own angle.
    int32_t RotateAngle() const { return rotateAngle_; }
    void SetRotateAngle(int32_t value) { rotateAngle_ = value; }
    TDPPEffectTypes EffectTypes() const { return effectTypes_; }
    void SetEffectTypes(TDPPEffectTypes value) { effectTypes_ = value; }
    bool HasEffectType(TDPPEffectType type) const { return effectTypes_.Contains(type); }

    // Whether a layout writer stores the value: when it differs from the default.
    bool IsImageIndexStored() const { return imageIndex_ != -1; }
    bool IsImageNameStored() const { return !imageName_.empty(); }
    bool IsRotateAngleStored() const { return rotateAngle_ != kDefaultRotateAngle; }
    bool IsEffectTypesStored() const { return !effectTypes_.Empty(); }

    void MixEffects(const TDrawParamCommonEffect& pushed, const TDrawParamCommonEffect& mouseDown) override;
    bool HasEffectTypes() const override;
    // The common nodes, then RotateAngle, ImageIndex, ImageName and EffectTypes; missing nodes keep the values.
    bool LoadFromDocNode(TBTNode20& docNode) override;
    bool SaveToDocNode(TBTNode20& docNode) const override;

protected:
    // From another picture effect: ImageIndex, ImageName, RotateAngle and EffectTypes, then the common values.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    void CopyOwnValues(const TDrawPictureParamEffect& other);

    int32_t imageIndex_ = -1;
    std::u16string imageName_;
    int32_t rotateAngle_ = kDefaultRotateAngle;
    TDPPEffectTypes effectTypes_;
};

class TDrawPictureEffectSetting : public TTypedDrawEffectSetting<TDrawPictureParamEffect> {
public:
    TDrawPictureEffectSetting() = default;
    std::u16string_view ClassName() const override { return u"TDrawPictureEffectSetting"; }
};

}  // namespace skin
