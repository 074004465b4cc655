#pragma once

#include <string>
#include <string_view>

#include "skin/controls/button_properties.h"
#include "skin/core/skin_control.h"

namespace skin {

class TSkinButtonDefaultMaterial;

// The skinned push button: a picture for its state, an icon and a caption from its material, two detail
// texts and a help text; it can stay pushed on its own (IsAutoPush) or as one of a push group
// (PushedGroupIndex), and it can belong to a button group.
class TBaseSkinButton : public TSkinFireMonkeyControl, public ISkinButton {
public:
    TBaseSkinButton();
    std::u16string_view ClassName() const override { return u"TBaseSkinButton"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // Text is the caption's second published name.
    std::u16string Text() const { return GetCaption(); }
    void SetText(std::u16string_view value) { SetCaption(value); }
    TButtonProperties& Prop() const { return static_cast<TButtonProperties&>(Properties()); }
    const std::u16string& Detail() const { return detail_; }
    // A changed text is stored and repainted.
    void SetDetail(std::u16string_view value);
    const std::u16string& Detail1() const { return detail1_; }
    void SetDetail1(std::u16string_view value);

    // The own material and the material in use, as button materials (nullptr when they are none).
    TSkinButtonDefaultMaterial* Material() { return SelfOwnMaterialToDefault(); }
    TSkinButtonDefaultMaterial* SelfOwnMaterialToDefault();
    TSkinButtonDefaultMaterial* CurrentUseMaterialToDefault();

    // With IsAutoPush the push state flips first, so OnClick sees the new state.
    void Click() override;
    // Joins the parent as its button group when the parent is one and the layout named no group.
    void Loaded() override;
    void Notification(ui::Component* component, ui::Operation operation) override;

    // The caption, then Detail, Detail1 and Properties.HelpText (keys prefix + name + ".Detail", ".Detail1",
    // ".HelpText").
    void RecordControlLangIndex(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) override;
    void TranslateControlLang(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) override;
    // Data binding: the button's value is its caption; a field setting gives the caption.
    bool LoadFromFieldControlSetting(std::u16string_view setting) override;
    std::u16string GetPostValue() override { return GetCaption(); }
    void SetControlValue(std::u16string_view value) override { SetCaption(value); }

    // --- ISkinButton
    std::u16string GetDetail() const override { return detail_; }
    std::u16string GetDetail1() const override { return detail1_; }
    TBaseButtonProperties& GetButtonProperties() const override { return Prop(); }

protected:
    // Applies the automatic size (not while the layout is read).
    void MaterialChanged(ui::Object* sender) override;

private:
    std::u16string detail_;
    std::u16string detail1_;
};

// The button class layouts name.
class TSkinFMXButton : public TBaseSkinButton {
public:
    std::u16string_view ClassName() const override { return u"TSkinFMXButton"; }
};

}  // namespace skin
