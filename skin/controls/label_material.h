#pragma once

#include "skin/core/skin_material.h"

namespace skin {

// The label's look: the background, then the caption's text parameter.
class TSkinLabelMaterial : public TSkinControlMaterial {
public:
    TSkinLabelMaterial();
    std::u16string_view ClassName() const override { return u"TSkinLabelMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawTextParam& DrawCaptionParam() const { return *drawCaptionParam_; }

private:
    TDrawTextParam* drawCaptionParam_;
};

// The material the registry names for labels.
class TSkinLabelDefaultMaterial : public TSkinLabelMaterial {
public:
    std::u16string_view ClassName() const override { return u"TSkinLabelDefaultMaterial"; }
};

}  // namespace skin
