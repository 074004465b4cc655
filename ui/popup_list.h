#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/popup.h"

namespace ui {

// A drop-down list in a popup (a combo box's list): rows of text, ItemHeight each, inside a one-pixel border
// in the dark style (ui/dark_style.h). The selected item is marked; a highlight follows the pointer and the
// keyboard. With more items than VisibleRows the list scrolls (wheel, keys) and shows a thumb at its right.
//
// Input: a left press in the list and its release on a row choose that row (a release elsewhere, or one whose
// press happened before the list opened, chooses nothing). Up / Down, Page Up / Page Down, Home / End move
// the highlight; Enter chooses the highlighted row; Escape, Tab, F4 and Alt+Up / Alt+Down close the list
// without a choice. Choosing closes the list, then raises OnChoose.
class PopupList : public Popup {
public:
    PopupList();
    std::u16string_view ClassName() const override { return u"TPopupList"; }

    const std::vector<std::u16string>& Items() const { return items_; }
    // Resets the highlight to the selected index and scrolls it into view.
    void SetItems(std::vector<std::u16string> items);
    int Count() const { return static_cast<int>(items_.size()); }
    float ItemHeight() const { return itemHeight_; }
    void SetItemHeight(float height);
    // The rows shown at once (at least 1).
    int VisibleRows() const { return visibleRows_; }
    void SetVisibleRows(int rows);
    // The item marked as selected, or -1.
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    // The highlighted item, or -1; setting it scrolls it into view.
    int HighlightIndex() const { return highlightIndex_; }
    void SetHighlightIndex(int index);
    // The first item shown, 0..Count-VisibleRows.
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);

    // The client height that shows rows rows.
    float HeightForRows(int rows) const;
    // The row's rectangle in client coordinates (outside the client area when scrolled away).
    RectF ItemRect(int index) const;
    // The item shown at a point of the client area, or -1.
    int ItemAt(PointF point) const;

    // An item was chosen (after the list closed).
    std::function<void(int index)> OnChoose;

    void MouseMove(ShiftState shift, float x, float y) override;
    void MouseDown(MouseButton button, ShiftState shift, float x, float y) override;
    void MouseUp(MouseButton button, ShiftState shift, float x, float y) override;
    void MouseWheel(ShiftState shift, int wheelDelta, bool& handled) override;
    void KeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift) override;
    void Paint(Canvas& canvas) override;

private:
    // Closes the list and reports the choice.
    void Choose(int index);
    void MoveHighlight(int index);
    int MaxTopIndex() const;
    // The rows and the scroll thumb, clipped to the inside of the border.
    void PaintItems(Canvas& canvas, const RectF& inner, float opacity);
    void PaintScrollThumb(Canvas& canvas, float opacity);

    std::vector<std::u16string> items_;
    float itemHeight_ = 19;
    int visibleRows_ = 8;
    int selectedIndex_ = -1;
    int highlightIndex_ = -1;
    int topIndex_ = 0;
    // Wheel movement not yet turned into rows.
    int wheelRest_ = 0;
    // The left button was pressed in the list since it was filled (SetItems) and not yet released.
    bool pressedHere_ = false;
    // The system's user-interface font, found on the first paint.
    std::u16string fontFamily_;
};

}  // namespace ui
