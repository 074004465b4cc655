#include "skin/draw/picture_draw_rect.h"

namespace skin {

namespace {

ui::RectF Align(const TBaseDrawPictureParam& param, const ui::RectF& c, double w, double h) {
    const double cw = c.Width();
    const double ch = c.Height();
    double left = c.left;
    switch (param.PictureHorzAlign()) {
        case TPictureHorzAlign::phaLeft:
            break;
        case TPictureHorzAlign::phaCenter:
            if (cw - w > 0) left = c.left + (cw - w) / 2;
            break;
        case TPictureHorzAlign::phaRight:
            left = c.right - w;
            break;
    }
    double top = c.top;
    switch (param.PictureVertAlign()) {
        case TPictureVertAlign::pvaTop:
            break;
        case TPictureVertAlign::pvaCenter:
            if (ch - h > 0) top = c.top + (ch - h) / 2;
            break;
        case TPictureVertAlign::pvaBottom:
            top = c.bottom - h;
            break;
    }
    return {static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + w),
            static_cast<float>(top + h)};
}

}  // namespace

ui::RectF CalcPictureDrawRect(const TBaseDrawPictureParam& param, int width, int height, const ui::RectF& container) {
    const double s = param.Scale();
    const double w = width;
    const double h = height;
    const double cw = container.Width();
    const double ch = container.Height();
    const bool hasArea = width > 0 && height > 0;
    double dw = w;
    double dh = h;
    if (param.IsStretch() && !param.IsAutoFit()) {
        return {container.left, container.top, static_cast<float>(container.left + cw * s),
                static_cast<float>(container.top + ch * s)};
    }
    if (param.IsStretch() && hasArea) {
        // Compared as products: a container without height is as wide as any picture is tall.
        if (w * ch <= cw * h) {
            dh = ch;
            dw = w * ch / h;
        } else {
            dw = cw;
            dh = h * cw / w;
        }
    } else if (param.IsAutoFit() && hasArea && !(w <= cw && h <= ch)) {
        if (cw * h < w * ch) {
            dw = cw;
            dh = cw * h / w;
        } else {
            dh = ch;
            dw = ch * w / h;
        }
    }
    return Align(param, container, s * dw, s * dh);
}

}  // namespace skin
