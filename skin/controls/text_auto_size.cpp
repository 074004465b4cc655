#include "skin/controls/text_auto_size.h"

#include <exception>
#include <string>

#include "skin/core/base_log.h"
#include "skin/draw/buffer_bitmap.h"
#include "skin/draw/draw_text_param.h"
#include "ui/text.h"

namespace skin {

namespace {

// A width or height measured without limit.
constexpr float kUnbounded = 65535;

}  // namespace

TTextDrawSize GetStringSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam* param) {
    if (text.empty()) return {};
    try {
        if (param == nullptr) param = &GetGlobalDefaultDrawTextParam();
        TDrawCanvas* canvas = GetGlobalAutoSizeBufferBitmap().DrawCanvas();
        if (canvas == nullptr) {
            DebugLog(u"GetStringSize GetGlobalAutoSizeBufferBitmap.DrawCanvas=nil");
            return {};
        }
        const ui::RectF measured = param->IsWordWrap() ? ui::RectF{rect.left, rect.top, rect.right, kUnbounded}
                                                       : ui::RectF{rect.left, rect.top, kUnbounded, rect.bottom};
        return canvas->CalcTextDrawSize(*param, text, measured, TCalcDrawSizeType::cdstBoth);
    } catch (const std::exception& e) {
        DebugLog(u"GetStringSize Error:" + ui::Utf8ToUtf16(e.what()));
        return {};
    }
}

TTextDrawSize CalcCaptionAutoSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam& param) {
    TTextDrawSize size = GetStringSize(text, rect, &param);
    size.DrawWidth += param.AutoSizeWidthAdjust();
    size.DrawHeight += param.AutoSizeHeightAdjust();
    const TDrawRectSetting& setting = param.DrawRectSetting();
    if (setting.Enabled()) {
        size.DrawWidth += setting.Left() + setting.Right();
        size.DrawHeight += setting.Top() + setting.Bottom();
    }
    if (!param.IsWordWrap()) size.DrawHeight = rect.bottom - rect.top;
    return size;
}

}  // namespace skin
