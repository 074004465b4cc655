#pragma once

#include <memory>

#include "skin/draw/draw_color.h"
#include "skin/draw/draw_gradient.h"
#include "skin/draw/draw_param.h"
#include "skin/draw/draw_rect_param_effect.h"
#include "skin/draw/draw_rect_param_types.h"
#include "skin/draw/draw_rect_setting.h"

namespace skin {

// A filled and/or bordered rectangle: a control's background, a switch bar's track, a combo box's frame. Fill
// (solid or gradient), border (width, colour, edges), rounded corners (radii, corners; -1 for half the size),
// a line mode that draws one edge, and a round hole left unfilled. Every setter stores a value that differs
// and reports it; the colours, the gradient and the hole's rectangle setting report their own changes.
class TBaseDrawRectParam : public TDrawParam {
public:
    TBaseDrawRectParam(std::u16string_view name, std::u16string_view caption);
    ~TBaseDrawRectParam() override;
    std::u16string_view ClassName() const override { return u"TBaseDrawRectParam"; }

    bool IsFill() const { return isFill_; }
    void SetIsFill(bool value);
    TDrawColor& FillColor() { return fillDrawColor_; }
    const TDrawColor& FillColor() const { return fillDrawColor_; }
    TDrawColor& FillDrawColor() { return fillDrawColor_; }
    const TDrawColor& FillDrawColor() const { return fillDrawColor_; }
    void SetFillColor(const TDrawColor& color) { fillDrawColor_.Assign(color); }
    TDrawColor& BorderColor() { return borderDrawColor_; }
    const TDrawColor& BorderColor() const { return borderDrawColor_; }
    TDrawColor& BorderDrawColor() { return borderDrawColor_; }
    const TDrawColor& BorderDrawColor() const { return borderDrawColor_; }
    void SetBorderColor(const TDrawColor& color) { borderDrawColor_.Assign(color); }
    // No border when <= 0.
    double BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(double value);
    TDRPBorderEadges BorderEadges() const { return borderEadges_; }
    void SetBorderEadges(TDRPBorderEadges value);
    // All four from construction; Clear leaves them.
    TDRPRectCorners RectCorners() const { return rectCorners_; }
    void SetRectCorners(TDRPRectCorners value);
    bool IsLine() const { return isLine_; }
    void SetIsLine(bool value);
    TDRPLinePosition LinePosition() const { return linePosition_; }
    void SetLinePosition(TDRPLinePosition value);
    bool IsRound() const { return isRound_; }
    void SetIsRound(bool value);
    double RoundWidth() const { return roundWidth_; }
    void SetRoundWidth(double value);
    double RoundHeight() const { return roundHeight_; }
    void SetRoundHeight(double value);
    TDRPBrushKind BrushKind() const { return brushKind_; }
    void SetBrushKind(TDRPBrushKind value);
    TDrawGradient& Gradient() { return gradient_; }
    const TDrawGradient& Gradient() const { return gradient_; }
    void SetGradient(const TDrawGradient& gradient) { gradient_.Assign(gradient); }
    // Gradient shortcuts as layouts set them (stored only for a gradient brush, see IsGradientStored).
    ui::AlphaColor GradientColor1() const { return gradient_.Color1(); }
    void SetGradientColor1(ui::AlphaColor color) { gradient_.SetColor1(color); }
    TGradientStyle GradientStyle() const { return gradient_.Style(); }
    void SetGradientStyle(TGradientStyle style) { gradient_.SetStyle(style); }
    bool IsGradientStored() const { return brushKind_ == TDRPBrushKind::drpbkGradient; }

    // The rounded hole: its rectangle inside the drawn rectangle (cleared: disabled) and its radii (-1: half
    // the hole's width resp. height).
    TDrawRectSetting& ClipRoundRectSetting() { return clipRoundRectSetting_; }
    const TDrawRectSetting& ClipRoundRectSetting() const { return clipRoundRectSetting_; }
    bool IsClipRound = false;
    double ClipRoundWidth = -1;
    double ClipRoundHeight = -1;

    TDrawRectEffectSetting& DrawEffectSetting() const {
        return static_cast<TDrawRectEffectSetting&>(TDrawParam::DrawEffectSetting());
    }
    void SetDrawEffectSetting(const TDrawEffectSetting& setting) { TDrawParam::DrawEffectSetting().Assign(setting); }
    // The current effect as a rectangle effect (nullptr when none applies).
    const TDrawRectParamEffect* CurrentRectEffect() const {
        return static_cast<const TDrawRectParamEffect*>(CurrentEffect());
    }

    // Current values for the canvas, with the current effect's changes (all allocation-free).
    bool CurrentEffectIsFill() const;
    double CurrentEffectBorderWidth() const;
    const TDrawColor& CurrentEffectBorderColor() const;
    // The effect's fill colour for a fill colour change of type cctNone; the parameter's own fill colour
    // otherwise. The brightness and darkness change types show the parameter's fill colour unchanged.
    const TDrawColor& CurrentEffectFillDrawColor() const;

    // Base defaults, then: no line (line position bottom), not round (radii 6), no fill, fill colour white,
    // border colour black, border width 0, all border edges, solid brush. RectCorners, the gradient and the
    // hole keep their values.
    void Clear() override;
    bool LoadFromDocNode(TBTNode20& docNode) override;
    bool SaveToDocNode(TBTNode20& docNode) const override;

protected:
    // From another rectangle parameter: IsLine, IsRound, the radii, BorderEadges, RectCorners, IsFill, the
    // colours, BorderWidth, BrushKind and the gradient, then the base values. The line position and the hole
    // are not copied.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    bool isFill_ = false;
    TDrawColor fillDrawColor_;
    // Result holder for the brightness and darkness change types; reports nothing.
    mutable TDrawColor tempFillDrawColor_;
    TDrawColor borderDrawColor_;
    double borderWidth_ = 0;
    TDRPBorderEadges borderEadges_ = kAllBorderEadges;
    TDRPRectCorners rectCorners_ = kAllRectCorners;
    bool isLine_ = false;
    TDRPLinePosition linePosition_ = TDRPLinePosition::lpBottom;
    bool isRound_ = false;
    double roundWidth_ = 6;
    double roundHeight_ = 6;
    TDRPBrushKind brushKind_ = TDRPBrushKind::drpbkFill;
    TDrawGradient gradient_;
    TDrawRectSetting clipRoundRectSetting_;
};

// The rectangle parameter with its published properties (IsFill, FillColor, BorderColor, BorderWidth,
// BorderEadges, RectCorners, IsLine, LinePosition, IsRound, RoundWidth, RoundHeight, BrushKind, the gradient
// shortcuts, and the base's Alpha, DrawRectSetting and DrawEffectSetting).
class TDrawRectParam : public TBaseDrawRectParam {
public:
    using TBaseDrawRectParam::TBaseDrawRectParam;
    std::u16string_view ClassName() const override { return u"TDrawRectParam"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
};

}  // namespace skin
