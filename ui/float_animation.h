#pragma once

#include "ui/animation.h"

namespace ui {

// Animates a single or double property (StartValue and StopValue are singles).
class FloatAnimation : public Animation {
public:
    std::u16string_view ClassName() const override { return u"TFloatAnimation"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    float StartValue() const { return startValue_; }
    void SetStartValue(float value) { startValue_ = value; }
    float StopValue() const { return stopValue_; }
    void SetStopValue(float value) { stopValue_ = value; }

protected:
    bool Accepts(PropertyKind kind) const override;
    void ApplyValue(const PropertyTarget& target, float eased) override;

private:
    float startValue_ = 0;
    float stopValue_ = 0;
};

}  // namespace ui
