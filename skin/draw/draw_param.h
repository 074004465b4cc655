#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "skin/draw/draw_effect_setting.h"
#include "skin/draw/draw_param_types.h"
#include "skin/draw/draw_rect_setting.h"
#include "ui/geometry.h"
#include "ui/persistent.h"

namespace ui {
class Component;
}

namespace skin {

class TBTNode20;

// What every drawing parameter of a material has: a name and caption, a base alpha, the rectangle setting
// that places it inside the control rectangle, and per-state effects. Before each paint the control layer
// writes the current control states (StaticEffectStates) and the opacity to draw with (DrawAlpha); the canvas
// then reads the current effect values, which allocate nothing.
//
// Changes of the alpha, the rectangle setting and the effect setting report through OnChange (the material's
// change handler).
class TDrawParam : public ui::Persistent {
public:
    // A parameter with common effects.
    TDrawParam(std::u16string_view name, std::u16string_view caption);
    ~TDrawParam() override;
    std::u16string_view ClassName() const override { return u"TDrawParam"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    const std::u16string& Name() const { return name_; }
    const std::u16string& Caption() const { return caption_; }

    uint8_t Alpha() const { return alpha_; }
    // Stores a value that differs and reports it.
    void SetAlpha(uint8_t value);
    // The control states, written by the control layer before drawing (no report).
    TDPEffectStates StaticEffectStates() const { return staticEffectStates_; }
    void SetStaticEffectStates(TDPEffectStates states) { staticEffectStates_ = states; }
    TDrawRectSetting& DrawRectSetting() const { return *drawRectSetting_; }
    void SetDrawRectSetting(const TDrawRectSetting& setting) { drawRectSetting_->Assign(setting); }
    TDrawEffectSetting& DrawEffectSetting() const { return *drawEffectSetting_; }
    void SetDrawEffectSetting(const TDrawEffectSetting& setting) { drawEffectSetting_->Assign(setting); }
    // The material that owns the parameter (set by the material).
    ui::Component* SkinMaterial() const { return skinMaterial_; }
    void SetSkinMaterial(ui::Component* material) { skinMaterial_ = material; }

    // Back to the defaults: Alpha and DrawAlpha 255, the rectangle setting cleared, the effect setting cleared
    // (which keeps the effects' values). No report.
    virtual void Clear();

    // The effect that applies to StaticEffectStates, or nullptr:
    // - no states: none;
    // - disabled: the disabled effect when it changes anything, else none, whatever the other states;
    // - otherwise the last of focused, mouse over, mouse down, pushed that is in the states and whose effect
    //   changes anything (pushed over mouse down over mouse over over focused);
    // - with IsMixedMouseDownAndPushedEffect, mouse down and pushed both in the states and both effects
    //   changing something: the mixed effect, rebuilt in place on every call.
    const TDrawParamCommonEffect* CurrentEffect() const;
    // The current effect's alpha when it changes the alpha, else Alpha.
    uint8_t CurrentEffectAlpha() const;
    // The rectangle setting's rectangle, moved right and down by the current effect's offset when it changes
    // the offset.
    virtual ui::RectF CalcDrawRect(const ui::RectF& controlRect) const;

    // Clears, then reads Alpha, DrawRectSetting and DrawEffectSetting (not the name and caption); always true.
    virtual bool LoadFromDocNode(TBTNode20& docNode);
    // Writes Name, Caption, Alpha, DrawRectSetting and DrawEffectSetting and sets the node's class name; true.
    virtual bool SaveToDocNode(TBTNode20& docNode) const;

    // Calls OnChange.
    void DoChange();

    ui::NotifyEvent OnChange;
    // The opacity the canvas draws with (0..255), written by the control layer.
    uint8_t DrawAlpha = 255;
    // The parameter follows the control's mouse states.
    bool IsControlParam = true;

protected:
    // Subclasses pass the effect setting of their kind.
    TDrawParam(std::u16string_view name, std::u16string_view caption,
               std::unique_ptr<TDrawEffectSetting> drawEffectSetting);

    // From another parameter: Alpha, the rectangle setting and the effect setting, then reports. Subclasses
    // copy their own values first and then call this.
    bool AssignFrom(const ui::Persistent& source) override;

private:
    std::u16string name_;
    std::u16string caption_;
    uint8_t alpha_ = 255;
    TDPEffectStates staticEffectStates_;
    std::unique_ptr<TDrawRectSetting> drawRectSetting_;
    std::unique_ptr<TDrawEffectSetting> drawEffectSetting_;
    ui::Component* skinMaterial_ = nullptr;
};

}  // namespace skin
