#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/combo_box_properties.h"
#include "skin/core/skin_control.h"
#include "ui/combo_box.h"

namespace ui {
class StyleElement;
}

namespace skin {

class TSkinComboBoxDefaultMaterial;
class TSkinStringList;

// The framework's combo box with the skinned-control core: the framework keeps the items, the selection and
// the drop-down list; the skin paints the closed face on the style's "background" element (unless
// IsUseDefaultStyle keeps the framework's own look). Values holds one value per item.
class TSkinFMXCustomComboBox : public TSkinControl<ui::ComboBox>, public ISkinComboBox {
public:
    TSkinFMXCustomComboBox();
    ~TSkinFMXCustomComboBox() override;
    std::u16string_view ClassName() const override { return u"TSkinFMXCustomComboBox"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    TComboBoxProperties& Prop() const { return static_cast<TComboBoxProperties&>(Properties()); }
    TSkinComboBoxDefaultMaterial* Material() { return SelfOwnMaterialToDefault(); }
    TSkinComboBoxDefaultMaterial* SelfOwnMaterialToDefault();
    TSkinComboBoxDefaultMaterial* CurrentUseMaterialToDefault();

    bool IsUseDefaultStyle() const { return isUseDefaultStyle_; }
    // A changed value is stored and the style made again (not while the layout is read).
    void SetIsUseDefaultStyle(bool value);
    TSkinStringList& Values() const { return *values_; }

protected:
    // A press focuses the box only when MouseDownFocus asks for it, as every skinned control.
    bool FocusOnPress() const override { return MouseDownFocus(); }

public:
    void SetValues(const TSkinStringList& values);
    bool IsAutoEditInItem() const { return isAutoEditInItem_; }
    void SetIsAutoEditInItem(bool value) { isAutoEditInItem_ = value; }
    // The value of the selected item; '' when nothing is selected or Values has no entry at its position.
    std::u16string Value() const;
    // Selects the item whose value it is (nothing when there is none).
    void SetValue(std::u16string_view value);
    // The style element the face is painted on, or nullptr (no style yet, or the framework's look).
    ui::StyleElement* BackgroundElement() const { return background_; }

    // Repaints the face's element (nothing without one).
    void Invalidate() override;
    // The framework's paint only (it makes the style); the face is painted on the background element.
    void Paint(ui::Canvas& canvas) override;
    // The press ends for the face when the list opens: the skin sees the release then too.
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;

    // Items (keys prefix + name + ".Items[" + position + "]") and Properties.HelpText (".HelpText").
    void RecordControlLangIndex(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) override;
    void TranslateControlLang(std::u16string_view prefix, TLang& lang, std::u16string_view curLang) override;
    // Data binding. The setting lists the options in the comma-separated list format; each option is both
    // item and value. Selects nothing; True.
    bool LoadFromFieldControlSetting(std::u16string_view setting) override;
    // Values and items from two option lists in the comma-separated list format; selects nothing.
    void LoadFieldOptions(std::u16string_view valueOptions, std::u16string_view captionOptions);
    // The selected value when Values has one for it, else the selected text.
    std::u16string GetPostValue() override;
    // Selects by the text, then by the value (which wins and may select nothing).
    void SetControlValue(std::u16string_view value) override;
    // List-item binding: the text a host's paint draws.
    void BindItemText(std::u16string_view text) { Prop().DrawText = text; }

    // --- ISkinComboBox
    std::u16string GetText() const override { return Text(); }
    TComboBoxProperties& GetComboBoxProperties() const override { return Prop(); }

protected:
    void ApplyStyle() override;
    void FreeStyle() override;

private:
    // The skin's paint of the face, as the background element's OnPainting.
    void PaintFace(ui::Canvas& canvas);

    bool isUseDefaultStyle_ = false;
    std::unique_ptr<TSkinStringList> values_;
    bool isAutoEditInItem_ = false;
    ui::StyleElement* background_ = nullptr;
    // Inside the framework's press handling, and whether it handed the press over to the list.
    bool inPress_ = false;
    bool pressHandedOver_ = false;
};

// Inside a scroll box a press only reaches the skin, so a drag scrolls; a press released where it started
// (less than 5 pixels away) is replayed through the full handling and opens the list.
class TSkinComboBox : public TSkinFMXCustomComboBox {
public:
    std::u16string_view ClassName() const override { return u"TSkinComboBox"; }
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;
    void MouseMove(ui::ShiftState shift, float x, float y) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) override;

private:
    bool InScrollBox();

    bool replaying_ = false;
    ui::PointF pressAbsolute_;
};

// The combo box class layouts name.
class TSkinFMXComboBox : public TSkinComboBox {
public:
    std::u16string_view ClassName() const override { return u"TSkinFMXComboBox"; }
};

// The texts of a list in the comma-separated list format: items separated by commas (or blanks outside
// quotes), an item in double quotes may hold both, a doubled quote inside stands for one.
std::vector<std::u16string> SplitCommaText(std::u16string_view text);

}  // namespace skin
