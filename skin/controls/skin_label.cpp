#include "skin/controls/skin_label.h"

#include "skin/controls/string_size.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_text_param.h"
#include "ui/property_table.h"

namespace skin {

namespace {

ISkinLabel& RequireLabel(ui::Component& control) {
    auto* label = dynamic_cast<ISkinLabel*>(&control);
    if (label == nullptr) throw SkinError("This Component Do not Support ISkinLabel Interface");
    return *label;
}

}  // namespace

// --- TLabelProperties

TLabelProperties::TLabelProperties(ui::Component& skinControl)
    : TSkinControlProperties(skinControl), skinLabelIntf_(RequireLabel(skinControl)) {
    SkinControlIntf().SetWidth(120);
    SkinControlIntf().SetHeight(22);
}

// --- TSkinLabelType

bool TSkinLabelType::CustomBind(ui::Component& skinControl) {
    if (!TSkinControlType::CustomBind(skinControl)) return false;
    skinLabelIntf_ = &RequireLabel(skinControl);
    return true;
}

void TSkinLabelType::CustomUnBind() {
    TSkinControlType::CustomUnBind();
    skinLabelIntf_ = nullptr;
}

void TSkinLabelType::TextChanged() {
    TSkinControlType::TextChanged();
    if (skinLabelIntf_ != nullptr) skinLabelIntf_->LabelProperties().AdjustAutoSizeBounds();
    Invalidate();
}

bool TSkinLabelType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                                 const TPaintData&) {
    auto* labelMaterial = dynamic_cast<TSkinLabelMaterial*>(material);
    if (labelMaterial == nullptr || SkinControlIntf() == nullptr) return false;
    const std::u16string& caption = SkinControlIntf()->GetCaption();
    if (caption.empty()) return false;
    canvas.DrawText(labelMaterial->DrawCaptionParam(), caption, GetCaptionDrawRect(drawRect));
    return true;
}

bool TSkinLabelType::CalcAutoSize(double& width, double& height) {
    if (SkinControlIntf() == nullptr) return false;
    auto* material = dynamic_cast<TSkinLabelMaterial*>(SkinControlIntf()->GetCurrentUseMaterial());
    if (material == nullptr) return false;
    const ui::RectF rect{0, 0, static_cast<float>(SkinControlIntf()->GetWidth()),
                         static_cast<float>(SkinControlIntf()->GetHeight())};
    const TTextDrawSize size = GetAutoSizeTextSize(SkinControlIntf()->GetCaption(), rect, material->DrawCaptionParam());
    width = size.DrawWidth;
    height = size.DrawHeight;
    return true;
}

// --- TSkinLabel

TSkinLabel::TSkinLabel()
    : TSkinFireMonkeyControl(SkinClassOf<TSkinControlProperties, TLabelProperties, ui::Component&>()) {
    CreateProperties();
}

const ui::PropertyTable& TSkinLabel::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinLabel>(&TSkinFireMonkeyControl::StaticProperties())
            .Text(u"Caption", &TSkinLabel::GetCaption, [](TSkinLabel& l, const std::u16string& v) { l.SetCaption(v); })
            .Text(u"Text", &TSkinLabel::GetCaption, [](TSkinLabel& l, const std::u16string& v) { l.SetCaption(v); })
            .Build();
    return table;
}

TLabelProperties& TSkinLabel::LabelProperties() const { return static_cast<TLabelProperties&>(Properties()); }

TSkinLabelDefaultMaterial* TSkinLabel::SelfOwnMaterialToDefault() {
    return dynamic_cast<TSkinLabelDefaultMaterial*>(GetSelfOwnMaterial());
}

TSkinLabelDefaultMaterial* TSkinLabel::CurrentUseMaterialToDefault() {
    return dynamic_cast<TSkinLabelDefaultMaterial*>(GetCurrentUseMaterial());
}

void TSkinLabel::MaterialChanged(ui::Object* sender) {
    if (!IsReading() && !IsLoading()) Properties().AdjustAutoSizeBounds();
    TSkinFireMonkeyControl::MaterialChanged(sender);
}

}  // namespace skin
