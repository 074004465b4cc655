#pragma once

#include "skin/core/skin_control_type.h"

namespace skin {

class ISkinComboBox;

// How the combo box's closed face is painted: the state picture, the arrow, the selected text (or a host's
// text) and the help text while there is no text.
class TSkinComboBoxDefaultType : public TSkinControlType {
public:
    std::u16string_view ClassName() const override { return u"TSkinComboBoxDefaultType"; }

    // The help text, when the face shows no text and there is one.
    virtual void CustomPaintHelpText(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                                     const TPaintData& paintData);

protected:
    // Takes ISkinComboBox after ISkinControl; throws SkinError "This Component Do not Support ISkinComboBox
    // Interface" when the control is no combo box.
    bool CustomBind(ui::Component& skinControl) override;
    void CustomUnBind() override;
    bool CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                     const TPaintData& paintData) override;

private:
    ISkinComboBox* skinComboBoxIntf_ = nullptr;
};

}  // namespace skin
