#pragma once

#include <cstdint>

#include "skin/core/skin_material.h"

namespace skin {

// The switch bar's material base; adds nothing.
class TSkinSwitchBarMaterial : public TSkinControlMaterial {
public:
    std::u16string_view ClassName() const override { return u"TSkinSwitchBarMaterial"; }
};

// The registered switch bar material: knob pictures per state and orientation, the track's back- and
// foreground pictures and their parameters.
class TSkinSwitchBarDefaultMaterial : public TSkinSwitchBarMaterial {
public:
    TSkinSwitchBarDefaultMaterial();
    std::u16string_view ClassName() const override { return u"TSkinSwitchBarDefaultMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawPicture& HorzSwitchBtnHoverPicture() const { return *horzSwitchBtnHoverPicture_; }
    TDrawPicture& HorzSwitchBtnNormalPicture() const { return *horzSwitchBtnNormalPicture_; }
    TDrawPicture& HorzSwitchBtnDisabledPicture() const { return *horzSwitchBtnDisabledPicture_; }
    TDrawPicture& HorzSwitchBtnDownPicture() const { return *horzSwitchBtnDownPicture_; }
    TDrawPicture& VertSwitchBtnHoverPicture() const { return *vertSwitchBtnHoverPicture_; }
    TDrawPicture& VertSwitchBtnNormalPicture() const { return *vertSwitchBtnNormalPicture_; }
    TDrawPicture& VertSwitchBtnDisabledPicture() const { return *vertSwitchBtnDisabledPicture_; }
    TDrawPicture& VertSwitchBtnDownPicture() const { return *vertSwitchBtnDownPicture_; }
    TDrawPicture& HorzBackGndPicture() const { return *horzBackGndPicture_; }
    TDrawPicture& VertBackGndPicture() const { return *vertBackGndPicture_; }
    TDrawPicture& HorzForeGndPicture() const { return *horzForeGndPicture_; }
    TDrawPicture& VertForeGndPicture() const { return *vertForeGndPicture_; }
    TDrawPictureParam& BackGndDrawPictureParam() const { return *backGndDrawPictureParam_; }
    TDrawPictureParam& ForeGndDrawPictureParam() const { return *foreGndDrawPictureParam_; }
    TDrawPictureParam& SwitchBtnDrawPictureParam() const { return *switchBtnDrawPictureParam_; }

    // The knob's length along the track; 0 takes it from the normal knob picture.
    int32_t SwitchBtnDrawSize() const { return switchBtnDrawSize_; }
    void SetSwitchBtnDrawSize(int32_t value);
    // True: the background picture over the track and the foreground picture up to the knob; False: only one
    // of them, the foreground when checked.
    bool IsDrawForeAndBackGround() const { return isDrawForeAndBackGround_; }
    void SetIsDrawForeAndBackGround(bool value);

private:
    TDrawPicture* horzSwitchBtnHoverPicture_;
    TDrawPicture* horzSwitchBtnNormalPicture_;
    TDrawPicture* horzSwitchBtnDisabledPicture_;
    TDrawPicture* horzSwitchBtnDownPicture_;
    TDrawPicture* vertSwitchBtnHoverPicture_;
    TDrawPicture* vertSwitchBtnNormalPicture_;
    TDrawPicture* vertSwitchBtnDisabledPicture_;
    TDrawPicture* vertSwitchBtnDownPicture_;
    TDrawPicture* horzBackGndPicture_;
    TDrawPicture* vertBackGndPicture_;
    TDrawPicture* horzForeGndPicture_;
    TDrawPicture* vertForeGndPicture_;
    TDrawPictureParam* backGndDrawPictureParam_;
    TDrawPictureParam* foreGndDrawPictureParam_;
    TDrawPictureParam* switchBtnDrawPictureParam_;
    int32_t switchBtnDrawSize_ = 0;
    bool isDrawForeAndBackGround_ = true;
};

}  // namespace skin
