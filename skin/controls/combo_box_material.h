#pragma once

#include "skin/core/skin_material.h"

namespace skin {

// The look of the combo box's closed face: a picture per state, the drop-down arrow, the selected text and
// the help text shown while nothing is selected. The face always repaints on press, release, enter and leave.
class TSkinComboBoxDefaultMaterial : public TSkinControlMaterial {
public:
    TSkinComboBoxDefaultMaterial();
    std::u16string_view ClassName() const override { return u"TSkinComboBoxDefaultMaterial"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TDrawPicture& ArrowPicture() const { return *arrowPicture_; }
    TDrawPictureParam& DrawArrowPictureParam() const { return *drawArrowPictureParam_; }
    TDrawTextParam& DrawTextParam() const { return *drawTextParam_; }
    TDrawTextParam& DrawHelpTextParam() const { return *drawHelpTextParam_; }
    TDrawPicture& NormalPicture() const { return *normalPicture_; }
    TDrawPicture& HoverPicture() const { return *hoverPicture_; }
    TDrawPicture& FocusedPicture() const { return *focusedPicture_; }
    TDrawPicture& DisabledPicture() const { return *disabledPicture_; }
    TDrawPictureParam& DrawPictureParam() const { return *drawPictureParam_; }

    bool HasMouseDownEffect() const override { return true; }
    bool HasMouseOverEffect() const override { return true; }

private:
    TDrawTextParam* drawHelpTextParam_;
    TDrawTextParam* drawTextParam_;
    TDrawPicture* arrowPicture_;
    TDrawPictureParam* drawArrowPictureParam_;
    TDrawPicture* normalPicture_;
    TDrawPicture* hoverPicture_;
    TDrawPicture* focusedPicture_;
    TDrawPicture* disabledPicture_;
    TDrawPictureParam* drawPictureParam_;
};

}  // namespace skin
