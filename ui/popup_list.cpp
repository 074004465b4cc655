#include "ui/popup_list.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/canvas.h"
#include "ui/canvas_state_saver.h"
#include "ui/dark_style.h"
#include "ui/graphics.h"
#include "ui/virtual_keys.h"

namespace ui {

namespace {

// One notch of a wheel; each moves the list by kRowsPerNotch rows.
constexpr int kWheelNotch = 120;
constexpr int kRowsPerNotch = 3;

}  // namespace

PopupList::PopupList() = default;

void PopupList::SetItems(std::vector<std::u16string> items) {
    items_ = std::move(items);
    pressedHere_ = false;
    if (selectedIndex_ >= Count()) selectedIndex_ = -1;
    highlightIndex_ = -1;
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
    SetHighlightIndex(selectedIndex_);
    Repaint();
}

void PopupList::SetItemHeight(float height) {
    height = std::max(height, 1.0f);
    if (height == itemHeight_) return;
    itemHeight_ = height;
    Repaint();
}

void PopupList::SetVisibleRows(int rows) {
    rows = std::max(rows, 1);
    if (rows == visibleRows_) return;
    visibleRows_ = rows;
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
    Repaint();
}

void PopupList::SetSelectedIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == selectedIndex_) return;
    selectedIndex_ = index;
    Repaint();
}

void PopupList::SetHighlightIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index >= 0) {
        if (index < topIndex_) {
            SetTopIndex(index);
        } else if (index >= topIndex_ + visibleRows_) {
            SetTopIndex(index - visibleRows_ + 1);
        }
    }
    if (index == highlightIndex_) return;
    highlightIndex_ = index;
    Repaint();
}

int PopupList::MaxTopIndex() const { return std::max(Count() - visibleRows_, 0); }

void PopupList::SetTopIndex(int index) {
    index = std::clamp(index, 0, MaxTopIndex());
    if (index == topIndex_) return;
    topIndex_ = index;
    Repaint();
}

float PopupList::HeightForRows(int rows) const {
    return static_cast<float>(std::max(rows, 0)) * itemHeight_ + 2 * dark_style::kListBorderWidth;
}

RectF PopupList::ItemRect(int index) const {
    const float border = dark_style::kListBorderWidth;
    const float top = border + static_cast<float>(index - topIndex_) * itemHeight_;
    return {border, top, Width() - border, top + itemHeight_};
}

int PopupList::ItemAt(PointF point) const {
    const float border = dark_style::kListBorderWidth;
    if (point.x < 0 || point.x >= Width() || point.y < border || point.y >= Height() - border) return -1;
    const int row = static_cast<int>(std::floor((point.y - border) / itemHeight_));
    if (row >= visibleRows_) return -1;
    const int index = topIndex_ + row;
    return index < Count() ? index : -1;
}

void PopupList::Choose(int index) {
    Close();
    // The last thing done here: a handler may free the list's owner.
    if (OnChoose) OnChoose(index);
}

void PopupList::MoveHighlight(int index) {
    if (Count() == 0) return;
    SetHighlightIndex(std::clamp(index, 0, Count() - 1));
}

// --- input

void PopupList::MouseMove(ShiftState shift, float x, float y) {
    if (const int index = ItemAt({x, y}); index >= 0) SetHighlightIndex(index);
    Popup::MouseMove(shift, x, y);
}

void PopupList::MouseDown(MouseButton button, ShiftState shift, float x, float y) {
    if (button == MouseButton::Left) pressedHere_ = true;
    Popup::MouseDown(button, shift, x, y);
}

void PopupList::MouseUp(MouseButton button, ShiftState shift, float x, float y) {
    const bool chooses = button == MouseButton::Left && pressedHere_;
    if (button == MouseButton::Left) pressedHere_ = false;
    Popup::MouseUp(button, shift, x, y);
    if (!chooses) return;
    if (const int index = ItemAt({x, y}); index >= 0) Choose(index);
}

void PopupList::MouseWheel(ShiftState shift, int wheelDelta, bool& handled) {
    Popup::MouseWheel(shift, wheelDelta, handled);
    if (handled) return;
    handled = true;
    // Up (positive) shows earlier items; part notches add up.
    wheelRest_ += wheelDelta * kRowsPerNotch;
    const int rows = wheelRest_ / kWheelNotch;
    wheelRest_ -= rows * kWheelNotch;
    if (rows != 0) SetTopIndex(topIndex_ - rows);
}

void PopupList::KeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift) {
    Popup::KeyDown(key, keyChar, shift);
    const int from = highlightIndex_ >= 0 ? highlightIndex_ : selectedIndex_;
    const bool alt = shift.Contains(ShiftKey::Alt);
    bool consumed = true;
    switch (key) {
        case vk::kUp:
        case vk::kDown:
            if (alt) {
                Close();
            } else if (from < 0) {
                MoveHighlight(0);
            } else {
                MoveHighlight(from + (key == vk::kUp ? -1 : 1));
            }
            break;
        case vk::kPrior:
            MoveHighlight(from < 0 ? 0 : from - visibleRows_ + 1);
            break;
        case vk::kNext:
            MoveHighlight(from < 0 ? 0 : from + visibleRows_ - 1);
            break;
        case vk::kHome:
            MoveHighlight(0);
            break;
        case vk::kEnd:
            MoveHighlight(Count() - 1);
            break;
        case vk::kReturn:
            key = 0;
            keyChar = 0;
            if (highlightIndex_ >= 0) {
                Choose(highlightIndex_);
            } else {
                Close();
            }
            return;
        case vk::kEscape:
        case vk::kTab:
        case vk::kF4:
            Close();
            break;
        default:
            consumed = false;
            break;
    }
    if (consumed) {
        key = 0;
        keyChar = 0;
    }
}

// --- painting

void PopupList::Paint(Canvas& canvas) {
    const float opacity = AbsoluteOpacity();
    const RectF client = LocalRect();
    const float border = dark_style::kListBorderWidth;
    canvas.Fill() = {BrushKind::Solid, dark_style::kListBackground, {}};
    canvas.FillRect(client, 0, 0, kCornerNone, opacity);
    PaintItems(canvas, client.Inflate(-border), opacity);

    canvas.Stroke() = {dark_style::kListBorder, border, DashStyle::Solid};
    const float half = border / 2;
    canvas.DrawRect(client.Inflate(-half), 0, 0, kCornerNone, opacity);
}

void PopupList::PaintItems(Canvas& canvas, const RectF& inner, float opacity) {
    const CanvasStateSaver saver(canvas);
    canvas.IntersectClipRect(inner);
    if (fontFamily_.empty()) {
        if (const Graphics* graphics = GetGraphics()) fontFamily_ = graphics->DefaultFont().family;
    }
    canvas.CanvasFont().family = fontFamily_;
    canvas.CanvasFont().size = dark_style::kFontSize;
    canvas.CanvasFont().style = fsNone;
    const bool scrolls = Count() > visibleRows_;
    const float textRight =
        scrolls ? dark_style::kScrollBarWidth + 2 * dark_style::kScrollBarInset : dark_style::kListItemTextInset;
    const int last = std::min(Count(), topIndex_ + visibleRows_);
    for (int index = topIndex_; index < last; ++index) {
        const RectF row = ItemRect(index);
        const bool highlighted = index == highlightIndex_;
        if (highlighted || index == selectedIndex_) {
            canvas.Fill() = {
                BrushKind::Solid, highlighted ? dark_style::kListItemHighlight : dark_style::kListItemSelected, {}};
            canvas.FillRect(row, 0, 0, kCornerNone, opacity);
        }
        const RectF text{row.left + dark_style::kListItemTextInset, row.top, row.right - textRight, row.bottom};
        if (text.right <= text.left) continue;
        const CanvasStateSaver rowSaver(canvas);
        canvas.IntersectClipRect(text);
        canvas.Fill() = {
            BrushKind::Solid, highlighted ? dark_style::kListItemHighlightText : dark_style::kListItemText, {}};
        canvas.FillText(text, items_[static_cast<size_t>(index)], TextWrap::None, opacity, TextAlign::Leading,
                        TextAlign::Center);
    }
    if (scrolls) PaintScrollThumb(canvas, opacity);
}

void PopupList::PaintScrollThumb(Canvas& canvas, float opacity) {
    const float border = dark_style::kListBorderWidth;
    const float inset = dark_style::kScrollBarInset;
    const float trackTop = border + inset;
    const float trackHeight = Height() - 2 * (border + inset);
    if (trackHeight <= 0) return;
    const float count = static_cast<float>(Count());
    const float thumbHeight =
        std::min(trackHeight, std::max(dark_style::kScrollBarMinThumb, trackHeight * visibleRows_ / count));
    const float travel = trackHeight - thumbHeight;
    const int maxTop = MaxTopIndex();
    const float top = trackTop + (maxTop > 0 ? travel * static_cast<float>(topIndex_) / maxTop : 0);
    const float right = Width() - border - inset;
    const float width = dark_style::kScrollBarWidth;
    canvas.Fill() = {BrushKind::Solid, dark_style::kScrollBarThumb, {}};
    canvas.FillRect({right - width, top, right, top + thumbHeight}, width / 2, width / 2, kCornersAll, opacity);
}

}  // namespace ui
