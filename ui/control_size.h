#pragma once

#include "ui/persistent.h"

namespace ui {

class Control;

// A control's size as one published object (Size.Width, Size.Height): reads and writes the control's own
// width and height. PlatformDefault is kept for stored layouts; no platform size applies here.
class ControlSize : public Persistent {
public:
    explicit ControlSize(Control& control) : control_(control) {}
    std::u16string_view ClassName() const override { return u"TControlSize"; }
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    float Width() const;
    float Height() const;
    void SetWidth(float width);
    void SetHeight(float height);
    bool PlatformDefault() const { return platformDefault_; }
    void SetPlatformDefault(bool value) { platformDefault_ = value; }

protected:
    bool AssignFrom(const Persistent& source) override;

private:
    Control& control_;
    bool platformDefault_ = false;
};

}  // namespace ui
