#include "skin/controls/skin_button.h"

#include <string>

#include "skin/controls/button_group.h"
#include "skin/controls/button_material.h"
#include "skin/core/lang.h"
#include "ui/property_table.h"

namespace skin {

TBaseSkinButton::TBaseSkinButton()
    : TSkinFireMonkeyControl(SkinClassOf<TSkinControlProperties, TButtonProperties, ui::Component&>()) {
    CreateProperties();
}

const ui::PropertyTable& TBaseSkinButton::StaticProperties() {
    using B = TBaseSkinButton;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<B>(&TSkinFireMonkeyControl::StaticProperties())
            .Text(u"Caption", &B::GetCaption, [](B& b, const std::u16string& v) { b.SetCaption(v); })
            .Text(u"Text", &B::GetCaption, [](B& b, const std::u16string& v) { b.SetCaption(v); })
            .Text(u"Detail", &B::Detail, [](B& b, const std::u16string& v) { b.SetDetail(v); })
            .Text(u"Detail1", &B::Detail1, [](B& b, const std::u16string& v) { b.SetDetail1(v); })
            .Build();
    return table;
}

void TBaseSkinButton::SetDetail(std::u16string_view value) {
    if (detail_ == value) return;
    detail_ = value;
    Invalidate();
}

void TBaseSkinButton::SetDetail1(std::u16string_view value) {
    if (detail1_ == value) return;
    detail1_ = value;
    Invalidate();
}

TSkinButtonDefaultMaterial* TBaseSkinButton::SelfOwnMaterialToDefault() {
    return dynamic_cast<TSkinButtonDefaultMaterial*>(GetSelfOwnMaterial());
}

TSkinButtonDefaultMaterial* TBaseSkinButton::CurrentUseMaterialToDefault() {
    return dynamic_cast<TSkinButtonDefaultMaterial*>(GetCurrentUseMaterial());
}

void TBaseSkinButton::Click() {
    if (Prop().IsAutoPush()) Prop().SetIsPushed(!Prop().IsPushed());
    TSkinFireMonkeyControl::Click();
}

void TBaseSkinButton::Loaded() {
    TSkinFireMonkeyControl::Loaded();
    auto* parent = dynamic_cast<ui::Control*>(Parent());
    if (Prop().ButtonGroup() == nullptr && dynamic_cast<ISkinButtonGroup*>(parent) != nullptr) {
        Prop().SetButtonGroup(parent);
    }
}

void TBaseSkinButton::Notification(ui::Component* component, ui::Operation operation) {
    if (operation == ui::Operation::Remove && component != nullptr && component == Prop().ButtonGroup()) {
        Prop().ButtonGroupDestroyed();
    }
    TSkinFireMonkeyControl::Notification(component, operation);
}

void TBaseSkinButton::MaterialChanged(ui::Object* sender) {
    if (!IsReading() && !IsLoading()) Prop().AdjustAutoSizeBounds();
    TSkinFireMonkeyControl::MaterialChanged(sender);
}

void TBaseSkinButton::RecordControlLangIndex(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) {
    TSkinFireMonkeyControl::RecordControlLangIndex(prefix, lang, curLang);
    const std::u16string base = std::u16string(prefix) + Name();
    auto record = [&](std::u16string_view suffix, const std::u16string& text) {
        const std::u16string key = base + std::u16string(suffix);
        if (!text.empty() && !lang.HasKey(key)) lang.SetValue(key, curLang, text);
    };
    record(u".Detail", detail_);
    record(u".Detail1", detail1_);
    record(u".HelpText", Prop().HelpText());
}

void TBaseSkinButton::TranslateControlLang(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) {
    TSkinFireMonkeyControl::TranslateControlLang(prefix, lang, curLang);
    const std::u16string base = std::u16string(prefix) + Name();
    const std::u16string detail = lang.GetValue(base + u".Detail", curLang);
    if (!detail.empty()) SetDetail(detail);
    const std::u16string detail1 = lang.GetValue(base + u".Detail1", curLang);
    if (!detail1.empty()) SetDetail1(detail1);
    const std::u16string helpText = lang.GetValue(base + u".HelpText", curLang);
    if (!helpText.empty()) Prop().SetHelpText(helpText);
}

bool TBaseSkinButton::LoadFromFieldControlSetting(std::u16string_view setting) {
    SetCaption(setting);
    return true;
}

}  // namespace skin
