#include "skin/controls/skin_combo_box.h"

#include <cmath>
#include <string>

#include "skin/controls/combo_box_material.h"
#include "skin/core/lang.h"
#include "skin/core/skin_string_list.h"
#include "skin/draw/draw_canvas.h"
#include "ui/property_table.h"
#include "ui/style_element.h"
#include "ui/text.h"

namespace skin {

namespace {

constexpr ui::AlphaColor kDesigningRectColor = 0xA0909090;
// How far the pointer may move between press and release for a press in a scroll box to count as a tap.
constexpr float kTapDistance = 5;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

std::vector<std::u16string> SplitCommaText(std::u16string_view text) {
    std::vector<std::u16string> items;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        std::u16string item;
        if (text[i] == u'"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != u',' && !IsBlank(text[i])) item += text[i++];
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (i < text.size() && text[i] == u',') {
            ++i;
            skipBlanks();
            if (i == text.size()) items.emplace_back();
        }
    }
    return items;
}

TSkinFMXCustomComboBox::TSkinFMXCustomComboBox()
    : TSkinControl(SkinClassOf<TSkinControlProperties, TComboBoxProperties, ui::Component&>()),
      values_(std::make_unique<TSkinStringList>()) {
    CreateProperties();
}

TSkinFMXCustomComboBox::~TSkinFMXCustomComboBox() {
    if (background_ != nullptr) background_->OnPainting = nullptr;
    background_ = nullptr;
}

const ui::PropertyTable& TSkinFMXCustomComboBox::StaticProperties() {
    using C = TSkinFMXCustomComboBox;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<C>(&TSkinControl<ui::ComboBox>::StaticProperties())
            .Bool(u"IsUseDefaultStyle", &C::IsUseDefaultStyle, &C::SetIsUseDefaultStyle)
            .Object(u"Values", [](C& c) -> TSkinStringList& { return c.Values(); })
            .Bool(u"IsAutoEditInItem", &C::IsAutoEditInItem, &C::SetIsAutoEditInItem)
            .Object(u"ComboBoxProperties", [](C& c) -> TSkinControlProperties& { return c.Properties(); })
            .Build();
    return table;
}

TSkinComboBoxDefaultMaterial* TSkinFMXCustomComboBox::SelfOwnMaterialToDefault() {
    return dynamic_cast<TSkinComboBoxDefaultMaterial*>(GetSelfOwnMaterial());
}

TSkinComboBoxDefaultMaterial* TSkinFMXCustomComboBox::CurrentUseMaterialToDefault() {
    return dynamic_cast<TSkinComboBoxDefaultMaterial*>(GetCurrentUseMaterial());
}

void TSkinFMXCustomComboBox::SetIsUseDefaultStyle(bool value) {
    if (value == isUseDefaultStyle_) return;
    isUseDefaultStyle_ = value;
    if (IsReading() || IsLoading()) return;
    NeedStyleLookup();
    Repaint();
}

void TSkinFMXCustomComboBox::SetValues(const TSkinStringList& values) { values_->Assign(values); }

std::u16string TSkinFMXCustomComboBox::Value() const {
    const int index = ItemIndex();
    // Values may be shorter than Items: a selected item without a value has none.
    if (Count() == 0 || index < 0 || index >= values_->Count()) return {};
    return values_->Strings()[static_cast<size_t>(index)];
}

void TSkinFMXCustomComboBox::SetValue(std::u16string_view value) {
    const auto& values = values_->Strings();
    int index = -1;
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i] == value) {
            index = static_cast<int>(i);
            break;
        }
    }
    SetItemIndex(index);
}

void TSkinFMXCustomComboBox::ApplyStyle() {
    ui::ComboBox::ApplyStyle();
    background_ = nullptr;
    SetPaintsSelectedItem(isUseDefaultStyle_);
    if (isUseDefaultStyle_ || StyleRoot() == nullptr) return;
    const auto children = StyleRoot()->Controls();
    std::vector<ui::StyleElement*> backgrounds;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* element = dynamic_cast<ui::StyleElement*>(*it);
        if (element == nullptr || !ui::SameText(element->StyleName(), u"background")) continue;
        backgrounds.push_back(element);
    }
    for (ui::StyleElement* element : backgrounds) {
        element->Blank();
        std::vector<ui::StyleElement*> arrows;
        for (ui::Control* child : element->Controls()) {
            auto* layout = dynamic_cast<ui::StyleElement*>(child);
            if (layout == nullptr || layout->Shape() != ui::StyleShape::Layout || layout->Controls().empty()) continue;
            auto* first = dynamic_cast<ui::StyleElement*>(layout->Controls().front());
            if (first == nullptr) continue;
            if (first->Shape() == ui::StyleShape::DownArrow) {
                arrows.push_back(layout);
            } else {
                first->Blank();
            }
        }
        for (ui::StyleElement* arrow : arrows) FreeStyleElement(arrow);
        element->OnPainting = [this](ui::Object*, ui::Canvas& canvas, const ui::RectF&) { PaintFace(canvas); };
        background_ = element;
    }
}

void TSkinFMXCustomComboBox::FreeStyle() {
    if (background_ != nullptr) background_->OnPainting = nullptr;
    background_ = nullptr;
    ui::ComboBox::FreeStyle();
}

void TSkinFMXCustomComboBox::PaintFace(ui::Canvas& canvas) {
    TDrawCanvas& drawCanvas = DrawCanvas();
    drawCanvas.Prepare(canvas);
    struct Detach {
        TDrawCanvas& canvas;
        ~Detach() { canvas.UnPrepare(); }
    } detach{drawCanvas};
    const ui::RectF rect = LocalRect();
    if (TSkinControlType* type = GetSkinControlType()) {
        TPaintData paintData;
        paintData.IsDrawInteractiveState = true;
        paintData.IsInDrawDirectUI = false;
        type->Paint(drawCanvas, type->GetPaintCurrentUseMaterial(), rect, paintData);
    }
    if (IsDesigning()) {
        drawCanvas.DrawDesigningRect(rect, kDesigningRectColor);
        drawCanvas.DrawDesigningText(rect, Name());
    }
}

void TSkinFMXCustomComboBox::Invalidate() {
    if (background_ != nullptr) background_->Repaint();
}

void TSkinFMXCustomComboBox::Paint(ui::Canvas& canvas) { ui::ComboBox::Paint(canvas); }

void TSkinFMXCustomComboBox::MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    inPress_ = true;
    pressHandedOver_ = false;
    try {
        TSkinControl::MouseDown(button, shift, x, y);
    } catch (...) {
        inPress_ = false;
        throw;
    }
    inPress_ = false;
    if (!pressHandedOver_) return;
    // The list took the rest of the press: the face is released now, after the skin saw the press.
    SkinMouseIsDown = false;
    ISkinControl_CustomMouseUp(button, shift, x, y, false, this);
}

void TSkinFMXCustomComboBox::MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    if (inPress_) {
        // The framework ends the face's press as it opens the list; the skin's release follows the press.
        pressHandedOver_ = true;
        ui::ComboBox::MouseUp(button, shift, x, y);
        return;
    }
    TSkinControl::MouseUp(button, shift, x, y);
}

void TSkinFMXCustomComboBox::RecordControlLangIndex(std::u16string_view prefix, TLang& lang,
                                                    std::u16string_view curLang) {
    const std::u16string base = std::u16string(prefix) + Name();
    for (int i = 0; i < Count(); ++i) {
        const std::u16string& item = Item(i);
        const std::u16string key = base + u".Items[" + ui::Utf8ToUtf16(std::to_string(i)) + u"]";
        if (!item.empty() && !lang.HasKey(key)) lang.SetValue(key, curLang, item);
    }
    const std::u16string key = base + u".HelpText";
    if (!Prop().HelpText().empty() && !lang.HasKey(key)) lang.SetValue(key, curLang, Prop().HelpText());
}

void TSkinFMXCustomComboBox::TranslateControlLang(std::u16string_view prefix, TLang& lang,
                                                  std::u16string_view curLang) {
    const std::u16string base = std::u16string(prefix) + Name();
    for (int i = 0; i < Count(); ++i) {
        if (Item(i).empty()) continue;
        const std::u16string value =
            lang.GetValue(base + u".Items[" + ui::Utf8ToUtf16(std::to_string(i)) + u"]", curLang);
        if (!value.empty()) SetItem(i, value);
    }
    const std::u16string helpText = lang.GetValue(base + u".HelpText", curLang);
    if (!helpText.empty()) Prop().SetHelpText(helpText);
}

bool TSkinFMXCustomComboBox::LoadFromFieldControlSetting(std::u16string_view setting) {
    LoadFieldOptions(setting, setting);
    return true;
}

void TSkinFMXCustomComboBox::LoadFieldOptions(std::u16string_view valueOptions, std::u16string_view captionOptions) {
    values_->Clear();
    for (const std::u16string& value : SplitCommaText(valueOptions)) values_->Add(value);
    SetItems(SplitCommaText(captionOptions));
    SetItemIndex(-1);
}

std::u16string TSkinFMXCustomComboBox::GetPostValue() {
    const int index = ItemIndex();
    if (index >= 0 && index < values_->Count()) return values_->Strings()[static_cast<size_t>(index)];
    return Text();
}

void TSkinFMXCustomComboBox::SetControlValue(std::u16string_view value) {
    SetText(value);
    SetValue(value);
}

// --- in a scroll box

bool TSkinComboBox::InScrollBox() { return !replaying_ && CanFocus() && GetParentIsScrollBox(); }

void TSkinComboBox::MouseDown(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    if (!InScrollBox()) {
        TSkinFMXCustomComboBox::MouseDown(button, shift, x, y);
        return;
    }
    pressAbsolute_ = LocalToAbsolute({x, y});
    ISkinControl_CustomMouseDown(button, shift, x, y, false, this);
}

void TSkinComboBox::MouseMove(ui::ShiftState shift, float x, float y) {
    if (!InScrollBox()) {
        TSkinFMXCustomComboBox::MouseMove(shift, x, y);
        return;
    }
    ISkinControl_CustomMouseMove(shift, x, y, false, this);
}

void TSkinComboBox::MouseUp(ui::MouseButton button, ui::ShiftState shift, float x, float y) {
    if (!InScrollBox()) {
        TSkinFMXCustomComboBox::MouseUp(button, shift, x, y);
        return;
    }
    ISkinControl_CustomMouseUp(button, shift, x, y, false, this);
    const TSkinControlType* type = GetSkinControlType();
    if (pressAbsolute_.x == 0 || type == nullptr) return;
    if (std::abs(type->MouseDownAbsolutePt.x - type->MouseMoveAbsolutePt.x) >= kTapDistance ||
        std::abs(type->MouseDownAbsolutePt.y - type->MouseMoveAbsolutePt.y) >= kTapDistance) {
        return;
    }
    const ui::PointF press = AbsoluteToLocal(pressAbsolute_);
    const ui::ShiftState left{ui::ShiftKey::Left};
    replaying_ = true;
    try {
        MouseDown(ui::MouseButton::Left, left, press.x, press.y);
        MouseMove(left, press.x, press.y);
        MouseUp(ui::MouseButton::Left, left, press.x, press.y);
    } catch (...) {
        replaying_ = false;
        throw;
    }
    replaying_ = false;
}

}  // namespace skin
