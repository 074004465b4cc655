#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ui {

class PopupList;
class StyleElement;

// How the drop-down list is made. Both kinds open the framework's popup list (ui/popup_list.h) in the
// application's dark style; the kind is kept for layouts that name it.
enum class DropDownKind { Native, Custom };

// Where the drop-down list opens. Bottom: below the face (above it when there is no room below); Top: above
// the face (below it when there is no room above); Center: over the face, the selected item lying on it.
// The list stays inside the work area of the screen in every case.
enum class PopupPlacement { Bottom, Top, Center };

// A drop-down list of texts (layouts name it "TComboBox"): a face that shows the selected item and a list
// that opens in a window of its own, so it can reach beyond the form.
//
// Selection: Items holds the texts; ItemIndex the selected position or -1. Setting an ItemIndex outside
// 0..Count-1 selects nothing (-1). Every change of ItemIndex repaints the face and raises OnChange; setting
// the same value again does neither. Inserting and deleting items keep the selected item selected (its index
// follows silently); deleting the selected item, SetItems and ClearItems select nothing. Any change of the
// items closes an open list.
//
// Input: a left press on the face opens the list (and focuses the control when it CanFocus); the press ends
// there for the face (a release without a click) and the list takes the mouse. With the focus
// and the list closed: Up / Down select the previous / next item, Home / End the first / last one, F4,
// Alt+Down, Alt+Up, Enter and Space open the list. The wheel over the face selects the previous (up) or next
// (down) item. The open list takes the mouse and the keyboard through the form's host (ui/popup_list.h):
// a click on an item or Enter selects and closes it; Escape, a press outside it or the deactivation of the
// window close it without a change.
//
// Face and style: the face is a tree of style elements (ui/style_element.h) built by ApplyStyle under one
// root child control:
//
//   "comboboxstyle"   the style root, covering the control
//     "background"    a rounded rectangle covering the face, in the dark style; its OnPainting event is free
//                     for a skin to paint the face on
//       "arrow"       a layout along the right edge, holding
//         "arrowglyph" the down arrow (a chevron)
//     "content"       the area left of the arrow, where the selected item's text is painted
//
// None of the elements takes the mouse. A skin that paints the face itself overrides ApplyStyle (calling
// the base first), finds "background" with FindStyleElement, sets its OnPainting, blanks its look
// (StyleElement::Blank), frees the "arrow" layout (FreeStyleElement) and turns off PaintsSelectedItem. Every
// repaint of the control (selection changes included) repaints the elements. The control keeps the size it
// is given: the style makes no size adjustment.
class ComboBox : public Control {
public:
    ComboBox();
    ~ComboBox() override;
    std::u16string_view ClassName() const override { return u"TComboBox"; }
    // DropDownCount, DropDownKind, ItemHeight, ItemIndex, Placement, OnChange, OnClosePopup, OnPopup; and
    // CanFocus (True by default) from the base classes. Items has no stored form: code fills it.
    static const PropertyTable& StaticProperties();
    const PropertyTable& PublishedProperties() const override { return StaticProperties(); }

    // --- items
    const std::vector<std::u16string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // The item at index; throws std::out_of_range outside 0..Count-1.
    const std::u16string& Item(int index) const;
    void SetItems(std::vector<std::u16string> items);
    void AddItem(std::u16string_view text);
    // Inserts before index (0..Count; Count appends); throws std::out_of_range otherwise.
    void InsertItem(int index, std::u16string_view text);
    // Replaces the text at index (the selection stays); throws std::out_of_range outside 0..Count-1.
    void SetItem(int index, std::u16string_view text);
    // Throws std::out_of_range outside 0..Count-1.
    void DeleteItem(int index);
    void ClearItems();
    // The position of the first item equal to text, or -1.
    int IndexOf(std::u16string_view text) const;

    // --- selection
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The selected item's text; empty when nothing is selected.
    std::u16string Text() const;
    // Selects the first item equal to text; nothing (-1) when there is none.
    void SetText(std::u16string_view text);

    // --- drop-down list
    // The height of one row of the list (logical pixels, at least 1).
    float ItemHeight() const { return itemHeight_; }
    void SetItemHeight(float height);
    // The most rows the list shows at once (at least 1); it scrolls when there are more items.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    ui::DropDownKind DropDownKind() const { return dropDownKind_; }
    void SetDropDownKind(ui::DropDownKind kind) { dropDownKind_ = kind; }
    PopupPlacement Placement() const { return placement_; }
    void SetPlacement(PopupPlacement placement) { placement_ = placement; }
    // Opens the list when the control is visible and enabled in a form whose host can show popups (see
    // FormHost::OpenPopup); an empty list opens as one empty row. Nothing when it is open already.
    void DropDown();
    // Closes the list without changing the selection.
    void CloseDropDown();
    bool IsDroppedDown() const;
    // The list window's content while it exists (tests and skins look at it); nullptr before the first
    // DropDown.
    PopupList* DropDownList() const { return list_.get(); }

    // --- style
    // Builds the style tree when it does not exist yet (Loaded and the first paint do it too).
    void ApplyStyleLookup();
    // Frees the style tree and builds it again.
    void NeedStyleLookup();
    // The style root, or nullptr while there is no style tree.
    StyleElement* StyleRoot() const { return styleRoot_; }
    // The first element of the style tree (depth first, the root included) with that style name (compared
    // without regard to ASCII case), or nullptr.
    StyleElement* FindStyleElement(std::u16string_view styleName) const;
    // Frees an element of the style tree with the elements inside it.
    void FreeStyleElement(StyleElement* element);
    // Whether the "content" element paints the selected item's text (True by default).
    bool PaintsSelectedItem() const { return paintsSelectedItem_; }
    void SetPaintsSelectedItem(bool paints);

    // --- events
    // ItemIndex changed.
    NotifyEvent OnChange;
    // The list opened / closed.
    NotifyEvent OnPopup;
    NotifyEvent OnClosePopup;

    // --- framework callbacks
    void MouseDown(MouseButton button, ShiftState shift, float x, float y) override;
    void Click() override;
    void MouseWheel(ShiftState shift, int wheelDelta, bool& handled) override;
    void KeyDown(uint16_t& key, char16_t& keyChar, ShiftState shift) override;
    void Resize() override;
    void Paint(Canvas& canvas) override;
    void Loaded() override;
    void Notification(Component* component, Operation operation) override;

protected:
    // Builds the default style tree under a new style root (a child of this control). Overrides call the base
    // first and then change the elements.
    virtual void ApplyStyle();
    // Called before the style tree is freed; overrides forget their references to elements, then call the
    // base.
    virtual void FreeStyle();
    // Paints the selected item's text into rect (the "content" element's coordinates) when PaintsSelectedItem.
    virtual void PaintSelectedItem(Canvas& canvas, const RectF& rect);
    // ItemIndex changed: repaints and raises OnChange.
    virtual void DoChange();
    // Whether a left press gives the box the focus (when it can take it); true here.
    virtual bool FocusOnPress() const { return true; }

private:
    friend class ComboBoxContent;

    // Stores the index (already in range or -1) and reports a change.
    void Select(int index);
    // Places the style elements over the control's current size.
    void LayoutStyle();
    void DestroyStyle();
    // The list was closed (by any means).
    void ListClosed();
    // The user chose an item in the list.
    void ListChose(int index);

    std::vector<std::u16string> items_;
    int itemIndex_ = -1;
    float itemHeight_ = 19;
    int dropDownCount_ = 8;
    ui::DropDownKind dropDownKind_ = ui::DropDownKind::Native;
    PopupPlacement placement_ = PopupPlacement::Bottom;
    bool paintsSelectedItem_ = true;
    // The style tree's elements (owned as components of this control).
    StyleElement* styleRoot_ = nullptr;
    StyleElement* content_ = nullptr;
    bool applyingStyle_ = false;
    // A press that opened the list ends without a click.
    bool handingOver_ = false;
    // The system's user-interface font, found on the first paint.
    std::u16string fontFamily_;
    std::unique_ptr<PopupList> list_;
};

}  // namespace ui
