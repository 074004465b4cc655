#include "ui/glow_effect.h"

#include <algorithm>

#include "ui/control.h"
#include "ui/property_table.h"

namespace ui {

GlowEffect::~GlowEffect() {
    BeginDestruction();
    SetParent(nullptr);
}

const PropertyTable& GlowEffect::StaticProperties() {
    static const PropertyTable table = PropertyTableBuilder<GlowEffect>(&Component::StaticProperties())
                                           .Bool(u"Enabled", &GlowEffect::Enabled, &GlowEffect::SetEnabled)
                                           .Color(u"GlowColor", &GlowEffect::GlowColor, &GlowEffect::SetGlowColor)
                                           .Single(u"Opacity", &GlowEffect::Opacity, &GlowEffect::SetOpacity)
                                           .Single(u"Softness", &GlowEffect::Softness, &GlowEffect::SetSoftness)
                                           .Build();
    return table;
}

void GlowEffect::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    if (!enabled) Changed();  // the area the glow covered
    enabled_ = enabled;
    Changed();
}

void GlowEffect::SetSoftness(float softness) {
    softness = std::max(softness, 0.0f);
    if (softness == softness_) return;
    Changed();
    softness_ = softness;
    Changed();
}

void GlowEffect::SetGlowColor(AlphaColor color) {
    if (color == glowColor_) return;
    glowColor_ = color;
    Changed();
}

void GlowEffect::SetOpacity(float opacity) {
    opacity = std::clamp(opacity, 0.0f, 1.0f);
    if (opacity == opacity_) return;
    opacity_ = opacity;
    Changed();
}

Control* GlowEffect::Target() const { return Parent() != nullptr ? Parent()->AsControl() : nullptr; }

const GlowEffect* GlowEffect::Find(const Control& control) {
    for (Component* child : control.Children()) {
        const auto* glow = dynamic_cast<const GlowEffect*>(child);
        if (glow != nullptr && glow->enabled_) return glow;
    }
    return nullptr;
}

void GlowEffect::ParentChanged(Component* oldParent) {
    if (oldParent != nullptr && oldParent->AsControl() != nullptr && !oldParent->IsDestroying()) {
        oldParent->AsControl()->Repaint();
    }
    Changed();
}

void GlowEffect::Changed() {
    if (Control* target = Target()) target->Repaint();
}

}  // namespace ui
