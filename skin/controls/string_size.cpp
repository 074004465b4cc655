#include "skin/controls/string_size.h"

#include <exception>
#include <string>

#include "skin/core/base_log.h"
#include "skin/draw/buffer_bitmap.h"
#include "skin/draw/draw_rect_setting.h"
#include "skin/draw/draw_text_param.h"
#include "ui/text.h"

namespace skin {

namespace {

// The unlimited side of a measuring rectangle.
constexpr float kUnlimited = 65535;

}  // namespace

TTextDrawSize GetStringSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam* param) {
    TTextDrawSize size;
    if (text.empty()) return size;
    if (param == nullptr) param = &GetGlobalDefaultDrawTextParam();
    try {
        TDrawCanvas* canvas = GetGlobalAutoSizeBufferBitmap().DrawCanvas();
        if (canvas == nullptr) {
            DebugLog(u"GetStringSize GetGlobalAutoSizeBufferBitmap.DrawCanvas=nil");
            return size;
        }
        const ui::RectF measureRect = param->IsWordWrap() ? ui::RectF{rect.left, rect.top, rect.right, kUnlimited}
                                                          : ui::RectF{rect.left, rect.top, kUnlimited, rect.bottom};
        size = canvas->CalcTextDrawSize(*param, text, measureRect, TCalcDrawSizeType::cdstBoth);
    } catch (const std::exception& e) {
        DebugLog(u"GetStringSize Error:" + ui::Utf8ToUtf16(e.what()));
        return TTextDrawSize{};
    }
    return size;
}

TTextDrawSize GetAutoSizeTextSize(std::u16string_view text, const ui::RectF& rect, const TBaseDrawTextParam& param) {
    TTextDrawSize size = GetStringSize(text, rect, &param);
    size.DrawWidth += param.AutoSizeWidthAdjust();
    size.DrawHeight += param.AutoSizeHeightAdjust();
    const TDrawRectSetting& setting = param.DrawRectSetting();
    if (setting.Enabled()) {
        size.DrawWidth += setting.Left() + setting.Right();
        size.DrawHeight += setting.Top() + setting.Bottom();
    }
    if (!param.IsWordWrap()) size.DrawHeight = rect.Height();
    return size;
}

}  // namespace skin
