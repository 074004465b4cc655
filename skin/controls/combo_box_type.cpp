#include "skin/controls/combo_box_type.h"

#include "skin/controls/combo_box_material.h"
#include "skin/controls/combo_box_properties.h"
#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"

namespace skin {

bool TSkinComboBoxDefaultType::CustomBind(ui::Component& skinControl) {
    if (!TSkinControlType::CustomBind(skinControl)) return false;
    skinComboBoxIntf_ = dynamic_cast<ISkinComboBox*>(&skinControl);
    if (skinComboBoxIntf_ == nullptr) throw SkinError("This Component Do not Support ISkinComboBox Interface");
    return true;
}

void TSkinComboBoxDefaultType::CustomUnBind() {
    TSkinControlType::CustomUnBind();
    skinComboBoxIntf_ = nullptr;
}

bool TSkinComboBoxDefaultType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material,
                                           const ui::RectF& drawRect, const TPaintData& paintData) {
    auto* m = dynamic_cast<TSkinComboBoxDefaultMaterial*>(material);
    ISkinControl* control = SkinControlIntf();
    if (m == nullptr || control == nullptr || skinComboBoxIntf_ == nullptr) return false;
    const bool interactive = paintData.IsDrawInteractiveState;
    TDrawPicture* picture = &m->NormalPicture();
    if (!control->GetEnabled()) {
        picture = &m->DisabledPicture();
    } else if (control->GetIsFocused() && interactive) {
        picture = &m->FocusedPicture();
    } else if (control->GetIsMouseOver() && interactive) {
        picture = &m->HoverPicture();
    }
    if (picture->CurrentPictureIsEmpty()) picture = &m->NormalPicture();
    canvas.DrawPicture(m->DrawPictureParam(), picture, drawRect);
    canvas.DrawPicture(m->DrawArrowPictureParam(), &m->ArrowPicture(), drawRect);
    if (paintData.IsInDrawDirectUI) {
        canvas.DrawText(m->DrawTextParam(), skinComboBoxIntf_->GetComboBoxProperties().DrawText, drawRect);
    } else if (const std::u16string text = skinComboBoxIntf_->GetText(); !text.empty()) {
        canvas.DrawText(m->DrawTextParam(), text, drawRect);
    }
    CustomPaintHelpText(canvas, material, drawRect, paintData);
    return true;
}

void TSkinComboBoxDefaultType::CustomPaintHelpText(TDrawCanvas& canvas, TSkinControlMaterial* material,
                                                   const ui::RectF& drawRect, const TPaintData& paintData) {
    auto* m = dynamic_cast<TSkinComboBoxDefaultMaterial*>(material);
    if (m == nullptr || skinComboBoxIntf_ == nullptr) return;
    const TComboBoxProperties& properties = skinComboBoxIntf_->GetComboBoxProperties();
    const bool due = paintData.IsInDrawDirectUI ? properties.DrawText.empty() : skinComboBoxIntf_->GetText().empty();
    if (due && !properties.HelpText().empty()) canvas.DrawText(m->DrawHelpTextParam(), properties.HelpText(), drawRect);
}

}  // namespace skin
