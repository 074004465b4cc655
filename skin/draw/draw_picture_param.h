#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/draw/border_margins.h"
#include "skin/draw/draw_param.h"
#include "skin/draw/draw_picture_param_effect.h"
#include "skin/draw/draw_picture_param_types.h"

namespace skin {

// How a control draws a picture: at its natural size, shrunk or grown to fit, or filling the drawn rectangle;
// aligned; cut by a stretch style (nine-patch, three-part) at its margins; scaled and turned. Its effects can show
// another image-list entry or turn the picture further. The picture itself is handed to the canvas beside it.
//
// Setters store a value that differs and report it; the two margins report their own changes.
class TBaseDrawPictureParam : public TDrawParam {
public:
    TBaseDrawPictureParam(std::u16string_view name, std::u16string_view caption);
    ~TBaseDrawPictureParam() override;
    std::u16string_view ClassName() const override { return u"TBaseDrawPictureParam"; }

    double Scale() const { return scale_; }
    void SetScale(double value);
    bool IsStretch() const { return isStretch_; }
    void SetIsStretch(bool value);
    bool IsAutoFit() const { return isAutoFit_; }
    void SetIsAutoFit(bool value);
    // Degrees.
    double RotateAngle() const { return rotateAngle_; }
    void SetRotateAngle(double value);
    TPictureStretchStyle StretchStyle() const { return stretchStyle_; }
    void SetStretchStyle(TPictureStretchStyle value);
    // Where the picture is cut.
    TBorderMargins& StretchMargins() { return stretchMargins_; }
    const TBorderMargins& StretchMargins() const { return stretchMargins_; }
    void SetStretchMargins(const TBorderMargins& margins) { stretchMargins_.Assign(margins); }
    // How large the corners and ends are drawn by the Pro stretch styles.
    TBorderMargins& DestDrawStretchMargins() { return destDrawStretchMargins_; }
    const TBorderMargins& DestDrawStretchMargins() const { return destDrawStretchMargins_; }
    void SetDestDrawStretchMargins(const TBorderMargins& margins) { destDrawStretchMargins_.Assign(margins); }
    TPictureVertAlign PictureVertAlign() const { return pictureVertAlign_; }
    void SetPictureVertAlign(TPictureVertAlign value);
    TPictureHorzAlign PictureHorzAlign() const { return pictureHorzAlign_; }
    void SetPictureHorzAlign(TPictureHorzAlign value);
    TPictureTooSmallProcessType PictureTooSmallProcessType() const { return pictureTooSmallProcessType_; }
    void SetPictureTooSmallProcessType(TPictureTooSmallProcessType value);
    TPictureTooLargeProcessType PictureTooLargeProcessType() const { return pictureTooLargeProcessType_; }
    void SetPictureTooLargeProcessType(TPictureTooLargeProcessType value);

    // The same fields without a report, for changes that last one paint.
    double StaticScale() const { return scale_; }
    void SetStaticScale(double value) { scale_ = value; }
    double StaticRotateAngle() const { return rotateAngle_; }
    void SetStaticRotateAngle(double value) { rotateAngle_ = value; }
    TPictureHorzAlign StaticPictureHorzAlign() const { return pictureHorzAlign_; }
    void SetStaticPictureHorzAlign(TPictureHorzAlign value) { pictureHorzAlign_ = value; }

    TDrawPictureEffectSetting& DrawEffectSetting() const {
        return static_cast<TDrawPictureEffectSetting&>(TDrawParam::DrawEffectSetting());
    }
    // Copies the given setting's values, as the other parameters do.
    void SetDrawEffectSetting(const TDrawEffectSetting& setting) { TDrawParam::DrawEffectSetting().Assign(setting); }
    const TDrawPictureParamEffect* CurrentPictureEffect() const {
        return static_cast<const TDrawPictureParamEffect*>(CurrentEffect());
    }

    // Current values for the canvas, with the current effect's changes (all allocation-free).
    //
    // The image-list index to show instead of the picture's own, -1 for its own: the effect's ImageIndex with
    // dppetImageIndexChange; with dppetImageIndexInc1 (which wins) the entry after imageIndex, the picture's own
    // index. A picture without an index of its own (-1, found by name) or at the top of the index range has no
    // next entry: then the fixed index applies when it is set too, else -1.
    int32_t CurrentEffectImageIndex(int32_t imageIndex) const;
    // The effect's ImageName with dppetImageNameChange, else empty.
    const std::u16string& CurrentEffectImageName() const;
    // RotateAngle, plus the effect's angle with dppetRotateAngleChange.
    double CurrentEffectRotateAngle() const;

    // Base defaults, then no rotation, scale 1, neither stretch nor fit, both margins 8, issTensile, top left.
    // The too-small and too-large process types stay.
    void Clear() override;
    // Base nodes, then IsAutoFit, IsStretch, StretchStyle, the two margins texts and the alignments. A margins
    // text that is no margins is written to the log and leaves the margins as Clear left them.
    bool LoadFromDocNode(TBTNode20& docNode) override;
    bool SaveToDocNode(TBTNode20& docNode) const override;

    // Whether a layout writer stores the value: when it differs from the default.
    bool IsStretchStyleStored() const { return stretchStyle_ != TPictureStretchStyle::issTensile; }
    bool IsPictureHorzAlignStored() const { return pictureHorzAlign_ != TPictureHorzAlign::phaLeft; }
    bool IsPictureVertAlignStored() const { return pictureVertAlign_ != TPictureVertAlign::pvaTop; }

protected:
    // From another picture parameter: scale, rotation, both process types, fit and stretch flags, stretch style,
    // both margins and the alignments, then the base values (which report).
    bool AssignFrom(const ui::Persistent& source) override;

private:
    TBorderMargins stretchMargins_;
    TBorderMargins destDrawStretchMargins_;
    double scale_ = 1.0;
    bool isStretch_ = false;
    bool isAutoFit_ = false;
    double rotateAngle_ = 0;
    TPictureStretchStyle stretchStyle_ = TPictureStretchStyle::issTensile;
    TPictureVertAlign pictureVertAlign_ = TPictureVertAlign::pvaTop;
    TPictureHorzAlign pictureHorzAlign_ = TPictureHorzAlign::phaLeft;
    TPictureTooSmallProcessType pictureTooSmallProcessType_ = TPictureTooSmallProcessType::itsptNone;
    TPictureTooLargeProcessType pictureTooLargeProcessType_ = TPictureTooLargeProcessType::itlptNone;
};

// The picture parameter with its published properties (IsAutoFit, IsStretch, StretchStyle, StretchMargins,
// DestDrawStretchMargins, PictureHorzAlign, PictureVertAlign, and the base's Alpha, DrawRectSetting and
// DrawEffectSetting).
class TDrawPictureParam : public TBaseDrawPictureParam {
public:
    using TBaseDrawPictureParam::TBaseDrawPictureParam;
    std::u16string_view ClassName() const override { return u"TDrawPictureParam"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
};

}  // namespace skin
