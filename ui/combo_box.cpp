#include "ui/combo_box.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "platform/log.h"
#include "ui/canvas.h"
#include "ui/canvas_state_saver.h"
#include "ui/dark_style.h"
#include "ui/form.h"
#include "ui/form_host.h"
#include "ui/graphics.h"
#include "ui/popup_list.h"
#include "ui/property_table.h"
#include "ui/style_element.h"
#include "ui/virtual_keys.h"

namespace ui {

// The "content" element: paints the combo box's selected item.
class ComboBoxContent final : public StyleElement {
public:
    explicit ComboBoxContent(ComboBox& comboBox) : StyleElement(u"content"), comboBox_(comboBox) {}
    void Paint(Canvas& canvas) override { comboBox_.PaintSelectedItem(canvas, LocalRect()); }

private:
    ComboBox& comboBox_;
};

namespace {

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count) throw std::out_of_range("ComboBox: item index out of range");
}

// The style elements under root, children before their parents.
void CollectStyleTree(Control& root, std::vector<Component*>& out) {
    for (Control* child : root.Controls()) {
        if (dynamic_cast<StyleElement*>(child) != nullptr) CollectStyleTree(*child, out);
    }
    out.push_back(&root);
}

}  // namespace

ComboBox::ComboBox() {
    SetCanFocus(true);
    SetSize(100, 22);
}

ComboBox::~ComboBox() {
    BeginDestruction();
    if (list_) {
        // Closed without telling anyone: the control is going away.
        list_->OnClose = nullptr;
        list_->OnChoose = nullptr;
        list_.reset();
    }
    styleRoot_ = nullptr;
    content_ = nullptr;
}

const PropertyTable& ComboBox::StaticProperties() {
    static const PropertyTable table =
        PropertyTableBuilder<ComboBox>(&Control::StaticProperties())
            .Integer(u"DropDownCount", &ComboBox::DropDownCount, &ComboBox::SetDropDownCount)
            .Enumeration<ui::DropDownKind>(u"DropDownKind", {u"Native", u"Custom"}, &ComboBox::DropDownKind,
                                           &ComboBox::SetDropDownKind)
            .Single(u"ItemHeight", &ComboBox::ItemHeight, &ComboBox::SetItemHeight)
            .Integer(u"ItemIndex", &ComboBox::ItemIndex, &ComboBox::SetItemIndex)
            .Enumeration<PopupPlacement>(u"Placement", {u"Bottom", u"Top", u"Center"}, &ComboBox::Placement,
                                         &ComboBox::SetPlacement)
            .Event(u"OnChange", &ComboBox::OnChange)
            .Event(u"OnClosePopup", &ComboBox::OnClosePopup)
            .Event(u"OnPopup", &ComboBox::OnPopup)
            .Build();
    return table;
}

// --- items

const std::u16string& ComboBox::Item(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<size_t>(index)];
}

void ComboBox::SetItems(std::vector<std::u16string> items) {
    CloseDropDown();
    items_ = std::move(items);
    Select(-1);
    Repaint();
}

void ComboBox::AddItem(std::u16string_view text) { InsertItem(Count(), text); }

void ComboBox::InsertItem(int index, std::u16string_view text) {
    CheckIndex(index, Count() + 1);
    CloseDropDown();
    items_.insert(items_.begin() + index, std::u16string(text));
    if (itemIndex_ >= index) ++itemIndex_;
}

void ComboBox::SetItem(int index, std::u16string_view text) {
    CheckIndex(index, Count());
    CloseDropDown();
    items_[static_cast<size_t>(index)] = text;
    if (index == itemIndex_) Repaint();
}

void ComboBox::DeleteItem(int index) {
    CheckIndex(index, Count());
    CloseDropDown();
    items_.erase(items_.begin() + index);
    if (index == itemIndex_) {
        Select(-1);
    } else if (index < itemIndex_) {
        --itemIndex_;
    }
}

void ComboBox::ClearItems() { SetItems({}); }

int ComboBox::IndexOf(std::u16string_view text) const {
    const auto found = std::find(items_.begin(), items_.end(), text);
    return found != items_.end() ? static_cast<int>(found - items_.begin()) : -1;
}

// --- selection

void ComboBox::SetItemIndex(int index) { Select(index >= 0 && index < Count() ? index : -1); }

std::u16string ComboBox::Text() const {
    return itemIndex_ >= 0 && itemIndex_ < Count() ? items_[static_cast<size_t>(itemIndex_)] : std::u16string();
}

void ComboBox::SetText(std::u16string_view text) { Select(IndexOf(text)); }

void ComboBox::Select(int index) {
    if (index == itemIndex_) return;
    itemIndex_ = index;
    if (list_) list_->SetSelectedIndex(index);
    DoChange();
}

void ComboBox::DoChange() {
    Repaint();
    if (OnChange) OnChange(this);
}

// --- drop-down list

void ComboBox::SetItemHeight(float height) { itemHeight_ = std::max(height, 1.0f); }

void ComboBox::SetDropDownCount(int count) { dropDownCount_ = std::max(count, 1); }

bool ComboBox::IsDroppedDown() const { return list_ && list_->IsOpen(); }

void ComboBox::CloseDropDown() {
    if (list_) list_->Close();
}

void ComboBox::DropDown() {
    if (IsDroppedDown() || IsLoading() || IsDestroying() || !IsVisibleInTree() || !AbsoluteEnabled()) return;
    Form* form = RootForm();
    FormHost* host = form != nullptr ? form->Host() : nullptr;
    if (host == nullptr) return;
    if (!list_) {
        list_ = std::make_unique<PopupList>();
        list_->OnClose = [this](Object*) { ListClosed(); };
        list_->OnChoose = [this](int index) { ListChose(index); };
    }

    // The face on the screen and the room around it.
    const PointF face = LocalToScreen({0, 0});
    const float faceWidth = Width();
    const float faceHeight = Height();
    const RectF work = host->WorkAreaAt({face.x + faceWidth / 2, face.y + faceHeight / 2});
    const float border = dark_style::kListBorderWidth;
    int rows = std::min(std::max(Count(), 1), dropDownCount_);
    const int fitting = static_cast<int>(std::floor((work.Height() - 2 * border) / itemHeight_));
    rows = std::max(1, std::min(rows, fitting));

    list_->SetItemHeight(itemHeight_);
    list_->SetVisibleRows(rows);
    list_->SetTopIndex(0);
    list_->SetSelectedIndex(-1);
    list_->SetItems(items_);
    list_->SetSelectedIndex(itemIndex_);
    list_->SetHighlightIndex(itemIndex_);

    const float width = faceWidth;
    const float height = list_->HeightForRows(rows);
    float x = face.x + (faceWidth - width) / 2;
    float y = 0;
    switch (placement_) {
        case PopupPlacement::Bottom:
            y = face.y + faceHeight;
            if (y + height > work.bottom && face.y - height >= work.top) y = face.y - height;
            break;
        case PopupPlacement::Top:
            y = face.y - height;
            if (y < work.top && face.y + faceHeight + height <= work.bottom) y = face.y + faceHeight;
            break;
        case PopupPlacement::Center: {
            const float middle = face.y + faceHeight / 2;
            if (itemIndex_ >= 0) {
                // The selected row's middle on the face's middle.
                const RectF row = list_->ItemRect(itemIndex_);
                y = middle - (row.top + row.bottom) / 2;
            } else {
                y = middle - height / 2;
            }
            break;
        }
    }
    x = std::max(std::min(x, work.right - width), work.left);
    y = std::max(std::min(y, work.bottom - height), work.top);

    if (!list_->Open(*host, {x, y, x + width, y + height})) {
        platform::Log(u"ComboBox", u"the window cannot show the drop-down list of " +
                                       (Name().empty() ? std::u16string(u"(unnamed)") : Name()));
        return;
    }
    Repaint();
    if (OnPopup) OnPopup(this);
}

void ComboBox::ListClosed() {
    Repaint();
    if (OnClosePopup) OnClosePopup(this);
}

void ComboBox::ListChose(int index) { SetItemIndex(index); }

// --- style

void ComboBox::ApplyStyleLookup() {
    if (styleRoot_ != nullptr || applyingStyle_ || IsDestroying()) return;
    applyingStyle_ = true;
    try {
        ApplyStyle();
    } catch (...) {
        applyingStyle_ = false;
        throw;
    }
    applyingStyle_ = false;
    LayoutStyle();
}

void ComboBox::NeedStyleLookup() {
    DestroyStyle();
    if (!IsLoading()) ApplyStyleLookup();
}

void ComboBox::ApplyStyle() {
    auto* root = CreateComponent<StyleElement>(u"comboboxstyle");
    root->SetParent(this);
    styleRoot_ = root;

    auto* background = CreateComponent<StyleElement>(u"background", StyleShape::Rectangle);
    background->SetFillColor(dark_style::kComboBoxFill);
    background->SetStrokeColor(dark_style::kComboBoxBorder);
    background->SetCornerRadius(dark_style::kComboBoxCornerRadius);
    background->SetParent(root);

    auto* arrow = CreateComponent<StyleElement>(u"arrow");
    arrow->SetParent(background);
    auto* glyph = CreateComponent<StyleElement>(u"arrowglyph", StyleShape::DownArrow);
    glyph->SetStrokeColor(dark_style::kComboBoxArrow);
    glyph->SetParent(arrow);

    content_ = CreateComponent<ComboBoxContent>(*this);
    content_->SetParent(root);
}

void ComboBox::FreeStyle() {}

void ComboBox::DestroyStyle() {
    if (styleRoot_ == nullptr) return;
    FreeStyle();
    FreeStyleElement(styleRoot_);
}

void ComboBox::FreeStyleElement(StyleElement* element) {
    if (element == nullptr) return;
    std::vector<Component*> elements;
    CollectStyleTree(*element, elements);
    for (Component* e : elements) {
        if (e == styleRoot_) styleRoot_ = nullptr;
        if (e == content_) content_ = nullptr;
        if (e->Owner() == this) {
            FreeComponent(e);
        } else {
            e->SetParent(nullptr);
        }
    }
}

void ComboBox::Notification(Component* component, Operation operation) {
    if (operation == Operation::Remove) {
        if (component == styleRoot_) styleRoot_ = nullptr;
        if (component == content_) content_ = nullptr;
    }
    Control::Notification(component, operation);
}

StyleElement* ComboBox::FindStyleElement(std::u16string_view styleName) const {
    return styleRoot_ != nullptr ? styleRoot_->Find(styleName) : nullptr;
}

void ComboBox::LayoutStyle() {
    if (styleRoot_ == nullptr) return;
    const float width = Width();
    const float height = Height();
    const float arrowWidth = std::min(dark_style::kComboBoxArrowWidth, width);
    styleRoot_->SetBounds(0, 0, width, height);
    if (StyleElement* background = styleRoot_->Find(u"background")) background->SetBounds(0, 0, width, height);
    if (StyleElement* arrow = styleRoot_->Find(u"arrow")) {
        arrow->SetBounds(width - arrowWidth, 0, arrowWidth, height);
        if (StyleElement* glyph = arrow->Find(u"arrowglyph")) glyph->SetBounds(0, 0, arrowWidth, height);
    }
    if (content_ != nullptr) content_->SetBounds(0, 0, width - arrowWidth, height);
}

void ComboBox::SetPaintsSelectedItem(bool paints) {
    if (paints == paintsSelectedItem_) return;
    paintsSelectedItem_ = paints;
    Repaint();
}

void ComboBox::PaintSelectedItem(Canvas& canvas, const RectF& rect) {
    if (!paintsSelectedItem_ || itemIndex_ < 0 || itemIndex_ >= Count()) return;
    const RectF text{rect.left + dark_style::kComboBoxTextInset, rect.top, rect.right, rect.bottom};
    if (text.right <= text.left) return;
    if (fontFamily_.empty()) {
        if (const Graphics* graphics = GetGraphics()) fontFamily_ = graphics->DefaultFont().family;
    }
    const CanvasStateSaver saver(canvas);
    canvas.IntersectClipRect(text);
    canvas.CanvasFont().family = fontFamily_;
    canvas.CanvasFont().size = dark_style::kFontSize;
    canvas.CanvasFont().style = fsNone;
    canvas.Fill() = {BrushKind::Solid, AbsoluteEnabled() ? dark_style::kText : dark_style::kDisabledText, {}};
    canvas.FillText(text, items_[static_cast<size_t>(itemIndex_)], TextWrap::None, AbsoluteOpacity(),
                    TextAlign::Leading, TextAlign::Center);
}

// --- framework callbacks

void ComboBox::MouseDown(MouseButton button, ShiftState shift, float x, float y) {
    Control::MouseDown(button, shift, x, y);
    if (button != MouseButton::Left) return;
    if (FocusOnPress() && CanFocus()) SetFocus();
    if (IsDroppedDown()) {
        CloseDropDown();
        return;
    }
    DropDown();
    if (IsDroppedDown()) {
        // The list takes the rest of this press: the face's press ends here, without a click.
        handingOver_ = true;
        MouseUp(button, shift, x, y);
        handingOver_ = false;
    }
}

void ComboBox::Click() {
    if (handingOver_) return;
    Control::Click();
}

void ComboBox::MouseWheel(ShiftState shift, int wheelDelta, bool& handled) {
    Control::MouseWheel(shift, wheelDelta, handled);
    if (handled || wheelDelta == 0 || Count() == 0) return;
    handled = true;
    if (itemIndex_ < 0) {
        SetItemIndex(0);
    } else {
        SetItemIndex(std::clamp(itemIndex_ + (wheelDelta > 0 ? -1 : 1), 0, Count() - 1));
    }
}

void ComboBox::KeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift) {
    Control::KeyDown(key, keyChar, shift);
    if (key == 0 || IsDroppedDown()) return;
    const bool alt = shift.Contains(ShiftKey::Alt);
    const int last = Count() - 1;
    switch (key) {
        case vk::kUp:
        case vk::kDown:
            if (alt) {
                DropDown();
            } else if (last >= 0) {
                const int step = key == vk::kUp ? -1 : 1;
                SetItemIndex(itemIndex_ < 0 ? 0 : std::clamp(itemIndex_ + step, 0, last));
            }
            break;
        case vk::kHome:
            if (last >= 0) SetItemIndex(0);
            break;
        case vk::kEnd:
            if (last >= 0) SetItemIndex(last);
            break;
        case vk::kF4:
            if (alt) return;  // Alt+F4 closes the window
            DropDown();
            break;
        case vk::kReturn:
        case vk::kSpace:
            DropDown();
            break;
        default:
            return;
    }
    key = 0;
    keyChar = 0;
}

void ComboBox::Resize() {
    Control::Resize();
    LayoutStyle();
}

void ComboBox::Paint(Canvas& canvas) {
    // A control made in code gets its style on its first paint; its children are painted after this.
    if (styleRoot_ == nullptr && !IsLoading()) ApplyStyleLookup();
}

void ComboBox::Loaded() {
    Control::Loaded();
    ApplyStyleLookup();
}

}  // namespace ui
