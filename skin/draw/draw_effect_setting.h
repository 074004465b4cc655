#pragma once

#include <memory>

#include "skin/draw/draw_param_common_effect.h"
#include "ui/persistent.h"

namespace skin {

class TBTNode20;

// The five per-state effects of a drawing parameter and the scratch effect that mixes the pushed and
// mouse-down effects. All six are of the kind the setting is made with (TDrawParamCommonEffect here; the
// rectangle, text and picture settings make their own kinds) and live as long as the setting.
//
// Only the pushed effect reports its changes through the setting's OnChange; changes to the other effects
// do not report. Writing an effect property copies the given effect's values into the owned one.
class TDrawEffectSetting : public ui::Persistent {
public:
    using EffectFactory = std::unique_ptr<TDrawParamCommonEffect> (*)();

    TDrawEffectSetting();
    std::u16string_view ClassName() const override { return u"TDrawEffectSetting"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawParamCommonEffect& DisabledEffect() const { return *disabledEffect_; }
    void SetDisabledEffect(const TDrawParamCommonEffect& effect) { disabledEffect_->Assign(effect); }
    TDrawParamCommonEffect& FocusedEffect() const { return *focusedEffect_; }
    void SetFocusedEffect(const TDrawParamCommonEffect& effect) { focusedEffect_->Assign(effect); }
    TDrawParamCommonEffect& PushedEffect() const { return *pushedEffect_; }
    void SetPushedEffect(const TDrawParamCommonEffect& effect) { pushedEffect_->Assign(effect); }
    TDrawParamCommonEffect& MouseOverEffect() const { return *mouseOverEffect_; }
    void SetMouseOverEffect(const TDrawParamCommonEffect& effect) { mouseOverEffect_->Assign(effect); }
    TDrawParamCommonEffect& MouseDownEffect() const { return *mouseDownEffect_; }
    void SetMouseDownEffect(const TDrawParamCommonEffect& effect) { mouseDownEffect_->Assign(effect); }
    // The scratch effect MixEffects rebuilds; not published.
    TDrawParamCommonEffect& MixedEffect() const { return *mixedEffect_; }

    bool IsMixedMouseDownAndPushedEffect() const { return isMixedMouseDownAndPushedEffect_; }
    // Stores a value that differs and reports it.
    void SetIsMixedMouseDownAndPushedEffect(bool value);

    // Resets IsMixedMouseDownAndPushedEffect; the effects keep their values.
    virtual void Clear();
    // Clears, then reads IsMixedMouseDownAndPushedEffect and the mouse-down, mouse-over and pushed effects
    // (the disabled and focused effects are not stored). Always true.
    bool LoadFromDocNode(TBTNode20& docNode);
    bool SaveToDocNode(TBTNode20& docNode) const;

    ui::NotifyEvent OnChange;

protected:
    // Makes the six effects with factory.
    explicit TDrawEffectSetting(EffectFactory factory);
    // From another effect setting: IsMixedMouseDownAndPushedEffect and the pushed, mouse-over, mouse-down and
    // mixed effects (not the disabled and focused ones), then reports.
    bool AssignFrom(const ui::Persistent& source) override;
    void DoChange();

private:
    std::unique_ptr<TDrawParamCommonEffect> disabledEffect_;
    std::unique_ptr<TDrawParamCommonEffect> focusedEffect_;
    std::unique_ptr<TDrawParamCommonEffect> pushedEffect_;
    std::unique_ptr<TDrawParamCommonEffect> mouseOverEffect_;
    std::unique_ptr<TDrawParamCommonEffect> mouseDownEffect_;
    std::unique_ptr<TDrawParamCommonEffect> mixedEffect_;
    bool isMixedMouseDownAndPushedEffect_ = false;
};

// The effect setting of kind E (a TDrawParamCommonEffect subclass): the same setting with its effects typed.
template <class E>
class TTypedDrawEffectSetting : public TDrawEffectSetting {
public:
    E& DisabledEffect() const { return static_cast<E&>(TDrawEffectSetting::DisabledEffect()); }
    E& FocusedEffect() const { return static_cast<E&>(TDrawEffectSetting::FocusedEffect()); }
    E& PushedEffect() const { return static_cast<E&>(TDrawEffectSetting::PushedEffect()); }
    E& MouseOverEffect() const { return static_cast<E&>(TDrawEffectSetting::MouseOverEffect()); }
    E& MouseDownEffect() const { return static_cast<E&>(TDrawEffectSetting::MouseDownEffect()); }
    E& MixedEffect() const { return static_cast<E&>(TDrawEffectSetting::MixedEffect()); }

protected:
    TTypedDrawEffectSetting()
        : TDrawEffectSetting([]() -> std::unique_ptr<TDrawParamCommonEffect> { return std::make_unique<E>(); }) {}
};

}  // namespace skin
