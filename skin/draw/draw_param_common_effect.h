#pragma once

#include <cstdint>

#include "skin/draw/draw_param_types.h"
#include "ui/persistent.h"

namespace skin {

class TBTNode20;

// What a drawing parameter changes while one of its control states applies: its alpha and an offset of the
// drawn rectangle to the right and down, each only when its type is in CommonEffectTypes. The kind-specific
// effects add colour, size and picture changes.
class TDrawParamCommonEffect : public ui::Persistent {
public:
    TDrawParamCommonEffect() = default;
    std::u16string_view ClassName() const override { return u"TDrawParamCommonEffect"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // Setters store a value that differs and report it.
    uint8_t Alpha() const { return alpha_; }
    void SetAlpha(uint8_t value);
    double Offset() const { return offset_; }
    void SetOffset(double value);
    TDPCommonEffectTypes CommonEffectTypes() const { return commonEffectTypes_; }
    void SetCommonEffectTypes(TDPCommonEffectTypes value);
    bool HasCommonEffectType(TDPCommonEffectType type) const { return commonEffectTypes_.Contains(type); }

    // Makes this (scratch) effect the combination of a pushed and a mouse-down effect: the pushed effect's
    // values (the kind-specific ones too, which subclasses copy), both effects' common changes, the sum of the
    // offsets each of them applies, and the alpha of the one that changes it (the pushed effect's when both
    // do). Allocates nothing; reports nothing.
    virtual void MixEffects(const TDrawParamCommonEffect& pushed, const TDrawParamCommonEffect& mouseDown);
    // Does nothing: clearing an effect setting keeps the values inside its effects.
    virtual void Clear() {}
    // Reads the stored values; values whose nodes are missing keep what they held. Always true.
    virtual bool LoadFromDocNode(TBTNode20& docNode);
    virtual bool SaveToDocNode(TBTNode20& docNode) const;
    // Whether the effect changes anything.
    virtual bool HasEffectTypes() const { return !commonEffectTypes_.Empty(); }

    ui::NotifyEvent OnChange;

protected:
    // From another common effect: Alpha, Offset and CommonEffectTypes, then reports. Subclasses copy their own
    // values first and then call this.
    bool AssignFrom(const ui::Persistent& source) override;
    void DoChange();

private:
    uint8_t alpha_ = 180;
    double offset_ = 1.0;
    TDPCommonEffectTypes commonEffectTypes_;
};

}  // namespace skin
