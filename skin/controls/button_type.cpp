#include "skin/controls/button_type.h"

#include "skin/controls/button_group.h"
#include "skin/controls/button_material.h"
#include "skin/controls/button_properties.h"
#include "skin/controls/string_size.h"
#include "skin/core/paint_lock.h"
#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/draw/picture_draw_rect.h"
#include "skin/picture/draw_picture.h"
#include "ui/control.h"

namespace skin {

namespace {

bool HasPicture(TDrawPicture* picture) { return picture != nullptr && !picture->CurrentPictureIsEmpty(); }

}  // namespace

bool TSkinButtonType::CustomBind(ui::Component& skinControl) {
    if (!TSkinControlType::CustomBind(skinControl)) return false;
    skinButtonIntf_ = dynamic_cast<ISkinButton*>(&skinControl);
    if (skinButtonIntf_ == nullptr) throw SkinError("This Component Do not Support ISkinButton Interface");
    return true;
}

void TSkinButtonType::CustomUnBind() {
    TSkinControlType::CustomUnBind();
    skinButtonIntf_ = nullptr;
}

bool TSkinButtonType::IsPushed() const {
    return skinButtonIntf_ != nullptr && skinButtonIntf_->GetButtonProperties().IsPushed();
}

TDPEffectStates TSkinButtonType::GetCurrentEffectStates() const {
    TDPEffectStates states = TSkinControlType::GetCurrentEffectStates();
    if (IsPushed()) states.Include(TDPEffectState::dpstPushed);
    return states;
}

TDPEffectStates TSkinButtonType::CalcCurrentEffectStates() const {
    TDPEffectStates states = TSkinControlType::CalcCurrentEffectStates();
    if (IsPushed()) states.Include(TDPEffectState::dpstPushed);
    return states;
}

TSkinControlMaterial* TSkinButtonType::GetPaintCurrentUseMaterial() {
    if (skinButtonIntf_ != nullptr) {
        TBaseButtonProperties& properties = skinButtonIntf_->GetButtonProperties();
        if (ISkinButtonGroup* group = properties.ButtonGroupIntf()) {
            if (TSkinButtonGroupMaterial* groupMaterial = group->GetButtonGroupMaterial()) {
                const int index = properties.ButtonIndex();
                if (index == 0 && groupMaterial->IsUseFirstButtonMaterial) return &groupMaterial->FirstButtonMaterial();
                if (group->ButtonCount() >= 2 && index + 1 == group->ButtonCount() &&
                    groupMaterial->IsUseLastButtonMaterial) {
                    return &groupMaterial->LastButtonMaterial();
                }
                return &groupMaterial->MiddleButtonMaterial();
            }
        }
    }
    return TSkinControlType::GetPaintCurrentUseMaterial();
}

TDrawPicture* TSkinButtonType::CurrentIcon() const {
    if (skinButtonIntf_ == nullptr) return nullptr;
    TBaseButtonProperties& properties = skinButtonIntf_->GetButtonProperties();
    if (properties.IsPushed() && HasPicture(&properties.PushedIcon())) return &properties.PushedIcon();
    return HasPicture(&properties.Icon()) ? &properties.Icon() : nullptr;
}

ui::RectF TSkinButtonType::CalcIconRect(TSkinButtonMaterial& material, TDrawPicture* icon, const ui::RectF& rect) {
    if (!HasPicture(icon)) return {};
    const ui::RectF iconArea = material.DrawIconParam().CalcDrawRect(rect);
    return CalcPictureDrawRect(material.DrawIconParam(), icon->CurrentPictureWidth(), icon->CurrentPictureHeight(),
                               iconArea);
}

bool TSkinButtonType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                                  const TPaintData&) {
    auto* buttonMaterial = dynamic_cast<TSkinButtonMaterial*>(material);
    if (buttonMaterial == nullptr || skinButtonIntf_ == nullptr) return false;
    TSkinButtonMaterial& m = *buttonMaterial;
    TBaseButtonProperties& properties = skinButtonIntf_->GetButtonProperties();
    const std::u16string& caption = SkinControlIntf()->GetCaption();
    TDrawPicture* icon = CurrentIcon();
    auto drawIcon = [&](const ui::RectF& r) { canvas.DrawPicture(m.DrawIconParam(), icon, r); };
    auto drawCaption = [&](const ui::RectF& r) { canvas.DrawText(m.DrawCaptionParam(), caption, r); };

    if (!m.IsAutoCenterIconAndCaption()) {
        drawIcon(drawRect);
        drawCaption(drawRect);
    } else if (icon != nullptr && caption.empty()) {
        // The alignment changes for this one draw only: no change is reported.
        TDrawPictureParam& param = m.DrawIconParam();
        const TPictureHorzAlign kept = param.PictureHorzAlign();
        param.SetStaticPictureHorzAlign(TPictureHorzAlign::phaCenter);
        drawIcon(drawRect);
        param.SetStaticPictureHorzAlign(kept);
    } else if (icon == nullptr && !caption.empty()) {
        TDrawTextParam& param = m.DrawCaptionParam();
        const TFontHorzAlign kept = param.FontHorzAlign();
        {
            const TPaintLock lock;
            param.SetFontHorzAlign(TFontHorzAlign::fhaCenter);
        }
        drawCaption(drawRect);
        const TPaintLock lock;
        param.SetFontHorzAlign(kept);
    } else {
        const ui::RectF iconRect = CalcIconRect(m, icon, drawRect);
        double total = iconRect.Width();
        double captionWidth = 0;
        if (!caption.empty()) {
            captionWidth = GetStringSize(caption, drawRect, &m.DrawCaptionParam()).DrawWidth;
            total += captionWidth;
        }
        ui::RectF r = drawRect;
        r.left = static_cast<float>(drawRect.left + (drawRect.Width() - total) / 2);
        if (m.DrawIconParam().PictureHorzAlign() == TPictureHorzAlign::phaRight) {
            drawCaption(r);
            r.left += static_cast<float>(captionWidth);
            r.right = r.left + iconRect.Width();
            drawIcon(r);
        } else {
            drawIcon(r);
            if (iconRect.Width() > 0) r.left += iconRect.Width();
            drawCaption(r);
        }
    }
    canvas.DrawText(m.DrawDetailParam(), skinButtonIntf_->GetDetail(), drawRect);
    canvas.DrawText(m.DrawDetail1Param(), skinButtonIntf_->GetDetail1(), drawRect);
    if (caption.empty() && !properties.HelpText().empty()) {
        canvas.DrawText(m.DrawHelpTextParam(), properties.HelpText(), drawRect);
    }
    return true;
}

bool TSkinButtonType::CalcAutoSize(double& width, double& height) {
    auto* material = dynamic_cast<TSkinButtonMaterial*>(GetPaintCurrentUseMaterial());
    ISkinControl* control = SkinControlIntf();
    if (material == nullptr || control == nullptr) return false;
    const ui::RectF rect{0, 0, static_cast<float>(control->GetWidth()), static_cast<float>(control->GetHeight())};
    const TTextDrawSize size = GetAutoSizeTextSize(control->GetCaption(), rect, material->DrawCaptionParam());
    width = size.DrawWidth;
    height = size.DrawHeight;
    if (material->IsAutoCenterIconAndCaption()) width += CalcIconRect(*material, CurrentIcon(), rect).Width();
    return true;
}

void TSkinButtonType::TextChanged() {
    TSkinControlType::TextChanged();
    if (skinButtonIntf_ != nullptr) skinButtonIntf_->GetButtonProperties().AdjustAutoSizeBounds();
    Invalidate();
}

bool TSkinButtonDefaultType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                                         const TPaintData& paintData) {
    auto* m = dynamic_cast<TSkinButtonDefaultMaterial*>(material);
    ISkinControl* control = SkinControlIntf();
    if (m != nullptr && control != nullptr) {
        const bool interactive = paintData.IsDrawInteractiveState;
        const bool pushed = IsPushed();
        const bool focused = control->GetIsFocused();
        TDrawPicture* picture = nullptr;
        if (!control->GetEnabled()) {
            picture = &m->DisabledPicture();
        } else if (control->GetIsMouseDown() && interactive) {
            picture = &m->DownPicture();
        } else if (control->GetIsMouseOver() && interactive) {
            picture = &m->HoverPicture();
        } else if (pushed) {
            picture = &m->PushedPicture();
        } else if (focused && interactive) {
            picture = &m->FocusedPicture();
        } else {
            picture = &m->NormalPicture();
        }
        if (focused && interactive && !HasPicture(picture)) picture = &m->FocusedPicture();
        if (!HasPicture(picture)) picture = pushed ? &m->PushedPicture() : &m->NormalPicture();
        if (!HasPicture(picture)) picture = &m->NormalPicture();
        canvas.DrawPicture(m->DrawPictureParam(), picture, drawRect);
    }
    return TSkinButtonType::CustomPaint(canvas, material, drawRect, paintData);
}

}  // namespace skin
