#pragma once

#include "ui/animation.h"

namespace ui {

// Animates an integer property; each value is rounded to the nearest integer, halves to the even one.
class IntAnimation : public Animation {
public:
    std::u16string_view ClassName() const override { return u"TIntAnimation"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    int StartValue() const { return startValue_; }
    void SetStartValue(int value) { startValue_ = value; }
    int StopValue() const { return stopValue_; }
    void SetStopValue(int value) { stopValue_ = value; }

protected:
    bool Accepts(PropertyKind kind) const override { return kind == PropertyKind::Integer; }
    void ApplyValue(const PropertyTarget& target, float eased) override;

private:
    int startValue_ = 0;
    int stopValue_ = 0;
};

}  // namespace ui
