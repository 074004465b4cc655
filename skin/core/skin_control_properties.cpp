#include "skin/core/skin_control_properties.h"


#include "skin/core/paint_lock.h"
#include "skin/core/skin_control_intf.h"
#include "skin/core/skin_control_type.h"
#include "skin/core/skin_error.h"
#include "skin/picture/draw_picture.h"
#include "ui/component.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace skin {

namespace {

ISkinControl& RequireSkinControl(ui::Component& control) {
    auto* intf = dynamic_cast<ISkinControl*>(&control);
    if (intf == nullptr) throw SkinError("This Component Do not Support ISkinComponent Interface");
    return *intf;
}

}  // namespace

TSkinControlProperties::TSkinControlProperties(ui::Component& skinControl)
    : skinControl_(skinControl), skinControlIntf_(RequireSkinControl(skinControl)) {}

TSkinControlProperties::~TSkinControlProperties() = default;

const ui::PropertyTable& TSkinControlProperties::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinControlProperties>()
            .Bool(u"AutoSize", &TSkinControlProperties::AutoSize, &TSkinControlProperties::SetAutoSize)
            .Build();
    return table;
}

void TSkinControlProperties::SetAutoSize(bool value) {
    if (autoSize_ == value) return;
    autoSize_ = value;
    AdjustAutoSizeBounds();
}

void TSkinControlProperties::AdjustAutoSizeBounds() {
    if (skinControl_.IsReading() || !autoSize_) return;
    TSkinControlType* type = skinControlIntf_.GetSkinControlType();
    if (type == nullptr) return;
    double width = 0;
    double height = 0;
    if (!type->CalcAutoSize(width, height)) return;
    skinControlIntf_.SetBounds(skinControlIntf_.GetLeft(), skinControlIntf_.GetTop(), width, height);
}

TDrawPicture* TSkinControlProperties::CreateDrawPicture(std::u16string_view name, std::u16string_view caption,
                                                        std::u16string_view group) {
    std::unique_ptr<TDrawPicture> picture = CreateDrawPictureObject(name, caption, group);
    picture->OnChange = [this](ui::Object* sender) { PropertiesChanged(sender); };
    pictures_.push_back(std::move(picture));
    return pictures_.back().get();
}

void TSkinControlProperties::AssignProperties(const TSkinControlProperties& source) { autoSize_ = source.autoSize_; }

void TSkinControlProperties::PropertiesChanged(ui::Object*) {
    if (skinControl_.IsReading() || skinControl_.IsLoading() || PaintLockCount > 0) return;
    // The control type is not made here: a control without one has nothing to repaint.
    if (TSkinControlType* type = skinControlIntf_.GetSkinControlType()) type->Invalidate();
}

void TSkinControlProperties::GetPropJsonObject(ui::JsonValue&) const {}

void TSkinControlProperties::SetPropJsonObject(const ui::JsonValue&) {}

std::u16string TSkinControlProperties::GetPropJsonStr() const {
    ui::JsonValue json = ui::JsonValue::MakeObject();
    GetPropJsonObject(json);
    const std::string text = ui::WriteJson(json);
    if (text == "{}") return {};
    return ui::Utf8ToUtf16(text);
}

void TSkinControlProperties::SetPropJsonStr(std::u16string_view json) {
    const std::optional<ui::JsonValue> parsed = ui::ParseJson(ui::Utf16ToUtf8(json));
    if (!parsed) throw SkinError("Invalid JSON text");
    SetPropJsonObject(*parsed);
}

bool TSkinControlProperties::AssignFrom(const ui::Persistent& source) {
    const auto* properties = dynamic_cast<const TSkinControlProperties*>(&source);
    if (properties == nullptr) return false;
    AssignProperties(*properties);
    return true;
}

}  // namespace skin
