#pragma once

#include "skin/core/skin_material.h"

namespace skin {

// The image's look: the background, the caption's text parameter and the picture parameter.
class TSkinImageMaterial : public TSkinControlMaterial {
public:
    TSkinImageMaterial();
    std::u16string_view ClassName() const override { return u"TSkinImageMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawTextParam& DrawCaptionParam() const { return *drawCaptionParam_; }
    TDrawPictureParam& DrawPictureParam() const { return *drawPictureParam_; }

private:
    TDrawTextParam* drawCaptionParam_;
    TDrawPictureParam* drawPictureParam_;
};

// The material the registry names for images.
class TSkinImageDefaultMaterial : public TSkinImageMaterial {
public:
    std::u16string_view ClassName() const override { return u"TSkinImageDefaultMaterial"; }
};

}  // namespace skin
