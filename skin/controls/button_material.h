#pragma once

#include "skin/core/skin_material.h"

namespace skin {

// The look of a button: the caption, two detail texts, the help text and the icon. A button always repaints
// when it is pressed, released, entered and left, whatever its parameters' effects say.
class TSkinButtonMaterial : public TSkinControlMaterial {
public:
    TSkinButtonMaterial();
    std::u16string_view ClassName() const override { return u"TSkinButtonMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // Icon and caption drawn as one block centred in the button.
    bool IsAutoCenterIconAndCaption() const { return isAutoCenterIconAndCaption_; }
    // A changed value is stored and reported to the controls that use the material.
    void SetIsAutoCenterIconAndCaption(bool value);

    TDrawTextParam& DrawCaptionParam() const { return *drawCaptionParam_; }
    TDrawTextParam& DrawDetailParam() const { return *drawDetailParam_; }
    TDrawTextParam& DrawDetail1Param() const { return *drawDetail1Param_; }
    TDrawPictureParam& DrawIconParam() const { return *drawIconParam_; }
    TDrawTextParam& DrawHelpTextParam() const { return *drawHelpTextParam_; }
    // Each copies the given parameter into the owned one.
    void SetDrawCaptionParam(const TDrawTextParam& param);
    void SetDrawDetailParam(const TDrawTextParam& param);
    void SetDrawDetail1Param(const TDrawTextParam& param);
    void SetDrawIconParam(const TDrawPictureParam& param);
    void SetDrawHelpTextParam(const TDrawTextParam& param);

    bool HasMouseDownEffect() const override { return true; }
    bool HasMouseOverEffect() const override { return true; }

private:
    bool isAutoCenterIconAndCaption_ = false;
    TDrawTextParam* drawHelpTextParam_;
    TDrawTextParam* drawCaptionParam_;
    TDrawTextParam* drawDetailParam_;
    TDrawTextParam* drawDetail1Param_;
    TDrawPictureParam* drawIconParam_;
};

// The button material the registry names: adds a picture for each state, drawn under the icon and texts.
class TSkinButtonDefaultMaterial : public TSkinButtonMaterial {
public:
    TSkinButtonDefaultMaterial();
    std::u16string_view ClassName() const override { return u"TSkinButtonDefaultMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawPicture& NormalPicture() const { return *normalPicture_; }
    TDrawPicture& HoverPicture() const { return *hoverPicture_; }
    TDrawPicture& DownPicture() const { return *downPicture_; }
    TDrawPicture& DisabledPicture() const { return *disabledPicture_; }
    TDrawPicture& FocusedPicture() const { return *focusedPicture_; }
    TDrawPicture& PushedPicture() const { return *pushedPicture_; }
    TDrawPictureParam& DrawPictureParam() const { return *drawPictureParam_; }

private:
    TDrawPicture* normalPicture_;
    TDrawPicture* hoverPicture_;
    TDrawPicture* downPicture_;
    TDrawPicture* disabledPicture_;
    TDrawPicture* focusedPicture_;
    TDrawPicture* pushedPicture_;
    TDrawPictureParam* drawPictureParam_;
};

}  // namespace skin
