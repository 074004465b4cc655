#pragma once

#include "ui/geometry.h"

// The application's look for the framework's standard elements: a dark style applied everywhere (the list
// and its items, the combo box face, the scroll bar; edit and memo boxes for text). Colours are 0xAARRGGBB.
namespace ui::dark_style {

// Text of every element, in logical pixels.
inline constexpr float kFontSize = 14;
inline constexpr AlphaColor kText = 0xFFFFFFFF;
inline constexpr AlphaColor kDisabledText = 0xFF7A7A7A;

// --- list (the drop-down list's window)
inline constexpr AlphaColor kListBackground = 0xFF2B2B2B;
inline constexpr AlphaColor kListBorder = 0xFF3F3F3F;
inline constexpr float kListBorderWidth = 1;

// --- list item
// The item under the pointer or the keyboard's highlight.
inline constexpr AlphaColor kListItemHighlight = 0xFF0092CA;
inline constexpr AlphaColor kListItemHighlightText = 0xFFFFFFFF;
// The selected item while the highlight is elsewhere.
inline constexpr AlphaColor kListItemSelected = 0xFF3A3A3A;
inline constexpr AlphaColor kListItemText = 0xFFE8E8E8;
// Space left of an item's text.
inline constexpr float kListItemTextInset = 8;

// --- combo box face
inline constexpr AlphaColor kComboBoxFill = 0xFF2F2F2F;
inline constexpr AlphaColor kComboBoxBorder = 0xFF383838;
inline constexpr AlphaColor kComboBoxArrow = 0xFFBDBDBD;
inline constexpr float kComboBoxCornerRadius = 4;
// Space left of the selected item's text.
inline constexpr float kComboBoxTextInset = 8;
// The arrow's area along the right edge.
inline constexpr float kComboBoxArrowWidth = 26;

// --- scroll bar (a thumb over the list's right edge while it scrolls)
inline constexpr AlphaColor kScrollBarTrack = 0x00000000;
inline constexpr AlphaColor kScrollBarThumb = 0xFF5A5A5A;
inline constexpr float kScrollBarWidth = 4;
inline constexpr float kScrollBarInset = 2;
inline constexpr float kScrollBarMinThumb = 12;

// --- edit and memo boxes
inline constexpr AlphaColor kEditBackground = 0xFF2F2F2F;
inline constexpr AlphaColor kEditBorder = 0xFF383838;
inline constexpr AlphaColor kEditFocusedBorder = 0xFF0092CA;
inline constexpr AlphaColor kEditSelection = 0xFF0077A6;
inline constexpr AlphaColor kMemoBackground = 0xFF2B2B2B;

}  // namespace ui::dark_style
