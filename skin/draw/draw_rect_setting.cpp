#include "skin/draw/draw_rect_setting.h"

#include <tuple>

#include "skin/core/store_if_changed.h"
#include "skin/draw/doc_node_io.h"
#include "skin/draw/draw_compare.h"
#include "skin/persist/bt_node20.h"
#include "ui/property_table.h"

namespace skin {

TDrawRectSetting::TDrawRectSetting() { TDrawRectSetting::Clear(); }

const ui::PropertyTable& TDrawRectSetting::StaticProperties() {
    using T = TDrawRectSetting;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<T>()
            .Double(u"Left", &T::Left, &T::SetLeft)
            .Double(u"Top", &T::Top, &T::SetTop)
            .Double(u"Right", &T::Right, &T::SetRight)
            .Double(u"Bottom", &T::Bottom, &T::SetBottom)
            .Double(u"Width", &T::Width, &T::SetWidth)
            .Double(u"Height", &T::Height, &T::SetHeight)
            .Bool(u"Enabled", &T::Enabled, &T::SetEnabled)
            .Enumeration<TDPSizeType>(u"SizeType", kEnumNames<TDPSizeType>, &T::SizeType, &T::SetSizeType)
            .Enumeration<TDPPositionHorzType>(u"PositionHorzType", kEnumNames<TDPPositionHorzType>,
                                              &T::PositionHorzType, &T::SetPositionHorzType)
            .Enumeration<TDPPositionVertType>(u"PositionVertType", kEnumNames<TDPPositionVertType>,
                                              &T::PositionVertType, &T::SetPositionVertType)
            .Build();
    return table;
}

void TDrawRectSetting::SetLeft(double value) {
    StoreIfChanged(left_, value, [this] { DoChange(); });
}
void TDrawRectSetting::SetTop(double value) {
    StoreIfChanged(top_, value, [this] { DoChange(); });
}
void TDrawRectSetting::SetRight(double value) {
    StoreIfChanged(right_, value, [this] { DoChange(); });
}
void TDrawRectSetting::SetBottom(double value) {
    StoreIfChanged(bottom_, value, [this] { DoChange(); });
}
void TDrawRectSetting::SetWidth(double value) {
    StoreIfChanged(width_, value, [this] { DoChange(); });
}
void TDrawRectSetting::SetHeight(double value) {
    StoreIfChanged(height_, value, [this] { DoChange(); });
}

// Reports even while switching off: the drawn rectangle goes back to the control rectangle.
void TDrawRectSetting::SetEnabled(bool value) {
    StoreIfChanged(enabled_, value, [this] {
        if (OnChange) OnChange(this);
    });
}

void TDrawRectSetting::SetSizeType(TDPSizeType value) {
    StoreIfChanged(sizeType_, value, [this] { DoChange(); });
}
void TDrawRectSetting::SetPositionHorzType(TDPPositionHorzType value) {
    StoreIfChanged(positionHorzType_, value, [this] { DoChange(); });
}
void TDrawRectSetting::SetPositionVertType(TDPPositionVertType value) {
    StoreIfChanged(positionVertType_, value, [this] { DoChange(); });
}

void TDrawRectSetting::SetBounds(double left, double top, double width, double height) {
    StoreIfChanged(std::tie(left_, top_, width_, height_), std::tuple(left, top, width, height),
                   [this] { DoChange(); });
}

void TDrawRectSetting::SetMargins(double left, double top, double right, double bottom) {
    StoreIfChanged(std::tie(left_, top_, right_, bottom_), std::tuple(left, top, right, bottom),
                   [this] { DoChange(); });
}

void TDrawRectSetting::Clear() {
    left_ = top_ = right_ = bottom_ = width_ = height_ = 0;
    enabled_ = false;
    sizeType_ = TDPSizeType::dpstPercent;
    positionHorzType_ = TDPPositionHorzType::dpphtNone;
    positionVertType_ = TDPPositionVertType::dppvtNone;
}

ui::RectF TDrawRectSetting::CalcDrawRect(const ui::RectF& controlRect) const {
    if (!enabled_) return controlRect;
    const double cw = static_cast<double>(controlRect.right) - controlRect.left;
    const double ch = static_cast<double>(controlRect.bottom) - controlRect.top;
    const bool hasWidth = IsGreaterValue(width_, 0);
    const bool hasHeight = IsGreaterValue(height_, 0);

    double l = left_, t = top_, r = right_, b = bottom_;
    double w = hasWidth ? width_ : cw;
    double h = hasHeight ? height_ : ch;
    if (sizeType_ == TDPSizeType::dpstPercent) {
        l = cw * left_ / 100;
        t = ch * top_ / 100;
        r = cw * right_ / 100;
        b = ch * bottom_ / 100;
        w = hasWidth ? cw * width_ / 100 : cw;
        h = hasHeight ? ch * height_ / 100 : ch;
    }

    switch (positionHorzType_) {
        case TDPPositionHorzType::dpphtNone:
        case TDPPositionHorzType::dpphtLeft:
            break;
        case TDPPositionHorzType::dpphtCenter:
            l = l + (cw - w) / 2;
            break;
        case TDPPositionHorzType::dpphtRight:
            l = cw - w - r;
            break;
    }
    switch (positionVertType_) {
        case TDPPositionVertType::dppvtNone:
        case TDPPositionVertType::dppvtTop:
            break;
        case TDPPositionVertType::dppvtCenter:
            t = t + (ch - h) / 2;
            break;
        case TDPPositionVertType::dppvtBottom:
            t = ch - h - b;
            break;
    }

    const double left = controlRect.left + l;
    const double top = controlRect.top + t;
    // The fixed size wins over the far margin; the stored values decide, not the scaled ones.
    double bottom = controlRect.bottom;
    if (!IsZeroValue(height_)) {
        bottom = top + h;
    } else if (!IsZeroValue(bottom_)) {
        bottom = controlRect.bottom - b;
    }
    double right = controlRect.right;
    if (!IsZeroValue(width_)) {
        right = left + w;
    } else if (!IsZeroValue(right_)) {
        right = controlRect.right - r;
    }
    return {static_cast<float>(left), static_cast<float>(top), static_cast<float>(right), static_cast<float>(bottom)};
}

bool TDrawRectSetting::LoadFromDocNode(TBTNode20& docNode) {
    Clear();
    if (auto v = ReadReal64Node(docNode, u"Left")) SetLeft(*v);
    if (auto v = ReadReal64Node(docNode, u"Top")) SetTop(*v);
    if (auto v = ReadReal64Node(docNode, u"Right")) SetRight(*v);
    if (auto v = ReadReal64Node(docNode, u"Bottom")) SetBottom(*v);
    if (auto v = ReadReal64Node(docNode, u"Width")) SetWidth(*v);
    if (auto v = ReadReal64Node(docNode, u"Height")) SetHeight(*v);
    if (auto v = ReadBool32Node(docNode, u"Enabled")) SetEnabled(*v);
    if (auto v = ReadEnumNode<TDPSizeType>(docNode, u"SizeType")) SetSizeType(*v);
    if (auto v = ReadEnumNode<TDPPositionHorzType>(docNode, u"PositionHorzType")) SetPositionHorzType(*v);
    if (auto v = ReadEnumNode<TDPPositionVertType>(docNode, u"PositionVertType")) SetPositionVertType(*v);
    return true;
}

bool TDrawRectSetting::SaveToDocNode(TBTNode20& docNode) const {
    SetNodeClassName(docNode, ClassName());
    WriteReal64Node(docNode, u"Left", u"左", left_);
    WriteReal64Node(docNode, u"Top", u"上", top_);
    WriteReal64Node(docNode, u"Right", u"右", right_);
    WriteReal64Node(docNode, u"Bottom", u"下", bottom_);
    WriteReal64Node(docNode, u"Width", u"宽度", width_);
    WriteReal64Node(docNode, u"Height", u"高度", height_);
    WriteBool32Node(docNode, u"Enabled", u"是否启用", enabled_);
    WriteEnumNode(docNode, u"SizeType", u"尺寸类型", sizeType_);
    WriteEnumNode(docNode, u"PositionHorzType", u"水平位置类型", positionHorzType_);
    WriteEnumNode(docNode, u"PositionVertType", u"垂直位置类型", positionVertType_);
    return true;
}

bool TDrawRectSetting::AssignFrom(const ui::Persistent& source) {
    const auto* other = dynamic_cast<const TDrawRectSetting*>(&source);
    if (other == nullptr) return false;
    const bool wasEnabled = enabled_;
    left_ = other->left_;
    top_ = other->top_;
    right_ = other->right_;
    bottom_ = other->bottom_;
    width_ = other->width_;
    height_ = other->height_;
    enabled_ = other->enabled_;
    sizeType_ = other->sizeType_;
    positionHorzType_ = other->positionHorzType_;
    positionVertType_ = other->positionVertType_;
    // A setting that was switched off by the copy changes the drawn rectangle too.
    if (wasEnabled || enabled_) {
        if (OnChange) OnChange(this);
    }
    return true;
}

void TDrawRectSetting::DoChange() {
    if (enabled_ && OnChange) OnChange(this);
}

}  // namespace skin
