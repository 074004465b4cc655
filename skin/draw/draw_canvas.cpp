#include "skin/draw/draw_canvas.h"

#include "skin/draw/draw_text_param.h"

namespace skin {

TDrawCanvas::~TDrawCanvas() { canvas_ = nullptr; }

bool TDrawCanvas::Prepare(ui::Canvas& canvas) {
    canvas_ = &canvas;
    CustomPrepare();
    return true;
}

bool TDrawCanvas::UnPrepare() {
    CustomUnPrepare();
    canvas_ = nullptr;
    return true;
}

ui::RectF TDrawCanvas::CalcTextDrawRect(const TBaseDrawTextParam& param, std::u16string_view text,
                                        const ui::RectF& drawRect) {
    const TTextDrawSize size = CalcTextDrawSize(param, text, drawRect, TCalcDrawSizeType::cdstBoth);
    const auto w = static_cast<float>(size.DrawWidth);
    const auto h = static_cast<float>(size.DrawHeight);
    ui::RectF box;
    switch (param.FontHorzAlign()) {
        case TFontHorzAlign::fhaLeft:
            box.left = drawRect.left;
            break;
        case TFontHorzAlign::fhaCenter:
            box.left = drawRect.left + (drawRect.Width() - w) / 2;
            break;
        case TFontHorzAlign::fhaRight:
            box.left = drawRect.right - w;
            break;
    }
    switch (param.FontVertAlign()) {
        case TFontVertAlign::fvaTop:
            box.top = drawRect.top;
            break;
        case TFontVertAlign::fvaCenter:
            box.top = drawRect.top + (drawRect.Height() - h) / 2;
            break;
        case TFontVertAlign::fvaBottom:
            box.top = drawRect.bottom - h;
            break;
    }
    box.right = box.left + w;
    box.bottom = box.top + h;
    return box;
}

}  // namespace skin
