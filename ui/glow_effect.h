#pragma once

#include "ui/component.h"
#include "ui/geometry.h"

namespace ui {

class Control;

// A soft glow around the opaque shape of its parent control (Softness, GlowColor, Opacity as stored
// layouts name them). The framework keeps the settings and repaints the control when they change; the
// form's host paints the glow (FormHost::PaintGlow), reaching Extent() pixels beyond the shape.
class GlowEffect : public Component {
public:
    GlowEffect() = default;
    ~GlowEffect() override;
    std::u16string_view ClassName() const override { return u"TGlowEffect"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Blur amount; 0 or more.
    float Softness() const { return softness_; }
    void SetSoftness(float softness);
    AlphaColor GlowColor() const { return glowColor_; }
    void SetGlowColor(AlphaColor color);
    // 0..1.
    float Opacity() const { return opacity_; }
    void SetOpacity(float opacity);

    // How far the glow reaches beyond the shape: 20 logical pixels per unit of softness.
    float Extent() const { return softness_ * 20; }
    // The control the glow surrounds (the parent), or nullptr.
    Control* Target() const;
    // The first enabled glow effect among the control's children, or nullptr.
    static const GlowEffect* Find(const Control& control);

protected:
    void ParentChanged(Component* oldParent) override;

private:
    void Changed();

    bool enabled_ = true;
    float softness_ = 0.4f;
    AlphaColor glowColor_ = 0xFFFFD700;
    float opacity_ = 0.9f;
};

}  // namespace ui
