#pragma once

#include <memory>

#include "skin/core/skin_material.h"

namespace skin {

// The panel's look: the background, the caption's text parameter and, on request, a background picture with
// its picture parameter.
class TSkinPanelMaterial : public TSkinControlMaterial {
public:
    TSkinPanelMaterial();
    ~TSkinPanelMaterial() override;
    std::u16string_view ClassName() const override { return u"TSkinPanelMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawTextParam& DrawCaptionParam() const { return *drawCaptionParam_; }
    // Both nullptr until CreateBackgroundPicture.
    TDrawPicture* BackgroundPicture() const { return backgroundPicture_.get(); }
    TDrawPictureParam* DrawPictureParam() const { return drawPictureParam_; }
    // Makes the (unnamed, empty) background picture and "DrawPictureParam" once; later calls do nothing. The
    // picture is not one of the material's pictures, so its own changes do not report.
    void CreateBackgroundPicture();

private:
    TDrawTextParam* drawCaptionParam_;
    std::unique_ptr<TDrawPicture> backgroundPicture_;
    TDrawPictureParam* drawPictureParam_ = nullptr;
};

// The material the registry names for panels.
class TSkinPanelDefaultMaterial : public TSkinPanelMaterial {
public:
    std::u16string_view ClassName() const override { return u"TSkinPanelDefaultMaterial"; }
};

}  // namespace skin
