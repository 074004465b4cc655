#include "skin/controls/skin_panel.h"

#include "skin/core/skin_error.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "ui/control.h"
#include "ui/property_table.h"

namespace skin {

namespace {

ISkinPanel& RequirePanel(ui::Component& control) {
    auto* panel = dynamic_cast<ISkinPanel*>(&control);
    if (panel == nullptr) throw SkinError("This Component Do not Support ISkinPanel Interface");
    return *panel;
}

}  // namespace

TPanelProperties::TPanelProperties(ui::Component& skinControl) : TSkinControlProperties(skinControl) {
    RequirePanel(skinControl);
    SkinControlIntf().SetWidth(200);
    SkinControlIntf().SetHeight(50);
}

const ui::PropertyTable& TPanelProperties::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TPanelProperties>(&TSkinControlProperties::StaticProperties())
            .Bool(u"IsToolBar", &TPanelProperties::IsToolBar, &TPanelProperties::SetIsToolBar)
            .Build();
    return table;
}

bool TSkinPanelType::CustomBind(ui::Component& skinControl) {
    if (!TSkinControlType::CustomBind(skinControl)) return false;
    skinPanelIntf_ = &RequirePanel(skinControl);
    return true;
}

void TSkinPanelType::CustomUnBind() {
    TSkinControlType::CustomUnBind();
    skinPanelIntf_ = nullptr;
}

void TSkinPanelType::TextChanged() {
    TSkinControlType::TextChanged();
    Invalidate();
}

bool TSkinPanelType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                                 const TPaintData&) {
    auto* panelMaterial = dynamic_cast<TSkinPanelMaterial*>(material);
    if (panelMaterial == nullptr || skinPanelIntf_ == nullptr) return false;
    if (panelMaterial->BackgroundPicture() != nullptr && panelMaterial->DrawPictureParam() != nullptr) {
        canvas.DrawPicture(*panelMaterial->DrawPictureParam(), panelMaterial->BackgroundPicture(), drawRect);
    }
    const std::u16string& caption = SkinControlIntf()->GetCaption();
    if (caption.empty()) return true;
    ui::RectF captionRect = drawRect;
    ui::Control& control = SkinControlIntf()->AsFrameworkControl();
    if (skinPanelIntf_->PanelProperties().IsToolBar() || control.Name() == u"pnlToolBar") {
        captionRect.top += control.Padding().Top();
    }
    canvas.DrawText(panelMaterial->DrawCaptionParam(), caption, captionRect);
    return true;
}

TSkinPanel::TSkinPanel()
    : TSkinFireMonkeyControl(SkinClassOf<TSkinControlProperties, TPanelProperties, ui::Component&>()) {
    CreateProperties();
}

const ui::PropertyTable& TSkinPanel::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinPanel>(&TSkinFireMonkeyControl::StaticProperties())
            .Text(u"Caption", &TSkinPanel::GetCaption, [](TSkinPanel& p, const std::u16string& v) { p.SetCaption(v); })
            .Text(u"Text", &TSkinPanel::GetCaption, [](TSkinPanel& p, const std::u16string& v) { p.SetCaption(v); })
            .Build();
    return table;
}

TPanelProperties& TSkinPanel::PanelProperties() const { return static_cast<TPanelProperties&>(Properties()); }

TSkinPanelDefaultMaterial* TSkinPanel::SelfOwnMaterialToDefault() {
    return dynamic_cast<TSkinPanelDefaultMaterial*>(GetSelfOwnMaterial());
}

TSkinPanelDefaultMaterial* TSkinPanel::CurrentUseMaterialToDefault() {
    return dynamic_cast<TSkinPanelDefaultMaterial*>(GetCurrentUseMaterial());
}

}  // namespace skin
