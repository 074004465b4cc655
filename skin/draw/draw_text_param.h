#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/draw/draw_font.h"
#include "skin/draw/draw_param.h"
#include "skin/draw/draw_text_param_effect.h"
#include "skin/draw/draw_text_param_types.h"
#include "ui/text_layout.h"

namespace skin {

// How a caption, detail or help text is drawn: the font, horizontal and vertical alignment inside the drawn
// rectangle, word wrap, trimming, vertical writing (one character per line), and the extra width and height a
// control adds when it sizes itself to its text. Its effects can change the font colour, size and style.
class TBaseDrawTextParam : public TDrawParam {
public:
    TBaseDrawTextParam(std::u16string_view name, std::u16string_view caption);
    ~TBaseDrawTextParam() override;
    std::u16string_view ClassName() const override { return u"TBaseDrawTextParam"; }

    TDrawFont& DrawFont() { return drawFont_; }
    const TDrawFont& DrawFont() const { return drawFont_; }
    void SetDrawFont(const TDrawFont& font) { drawFont_.Assign(font); }
    // Shortcuts into DrawFont.
    const std::u16string& FontName() const { return drawFont_.FontName(); }
    void SetFontName(std::u16string_view family) { drawFont_.SetFontName(family); }
    double FontSize() const { return drawFont_.FontSize(); }
    void SetFontSize(double size) { drawFont_.SetFontSize(size); }
    TFontStyles FontStyle() const { return drawFont_.FontStyle(); }
    void SetFontStyle(TFontStyles style) { drawFont_.SetFontStyle(style); }
    ui::AlphaColor FontColor() const { return drawFont_.Color(); }
    void SetFontColor(ui::AlphaColor color) { drawFont_.SetColor(color); }

    bool IsWordWrap() const { return isWordWrap_; }
    void SetIsWordWrap(bool value);
    bool IsDrawVert() const { return isDrawVert_; }
    // Turning it on turns IsWordWrap on too (one report).
    void SetIsDrawVert(bool value);
    TFontHorzAlign FontHorzAlign() const { return fontHorzAlign_; }
    void SetFontHorzAlign(TFontHorzAlign value);
    TFontVertAlign FontVertAlign() const { return fontVertAlign_; }
    void SetFontVertAlign(TFontVertAlign value);
    TFontTrimmingType FontTrimming() const { return fontTrimming_; }
    void SetFontTrimming(TFontTrimmingType value);
    double AutoSizeWidthAdjust() const { return autoSizeWidthAdjust_; }
    void SetAutoSizeWidthAdjust(double value);
    double AutoSizeHeightAdjust() const { return autoSizeHeightAdjust_; }
    void SetAutoSizeHeightAdjust(double value);
    // FontHorzAlign and FontVertAlign as leading, centre and trailing.
    TSkinAlign HorzAlign() const;
    void SetHorzAlign(TSkinAlign align);
    TSkinAlign VertAlign() const;
    void SetVertAlign(TSkinAlign align);

    // Whether a layout writer stores the font shortcuts: the family and size when they differ from the
    // platform default, the style when not empty, the colour when not black or FIsMustStoreFontColor.
    bool IsFontNameStored() const;
    bool IsFontSizeStored() const;
    bool IsFontStyleStored() const { return !FontStyle().Empty(); }
    bool IsFontColorStored() const { return FontColor() != 0xFF000000 || FIsMustStoreFontColor; }

    TDrawTextEffectSetting& DrawEffectSetting() const {
        return static_cast<TDrawTextEffectSetting&>(TDrawParam::DrawEffectSetting());
    }
    void SetDrawEffectSetting(const TDrawEffectSetting& setting) { TDrawParam::DrawEffectSetting().Assign(setting); }
    const TDrawTextParamEffect* CurrentTextEffect() const {
        return static_cast<const TDrawTextParamEffect*>(CurrentEffect());
    }

    // Current values for the canvas, with the current effect's changes (all allocation-free).
    const TDrawColor& CurrentEffectFontColor() const;
    double CurrentEffectFontSize() const;
    TFontStyles CurrentEffectFontStyle() const;
    const std::u16string& CurrentEffectFontName() const { return drawFont_.FontName(); }

    // Base defaults, the font's colour back to black, no word wrap, no trimming, top left. IsDrawVert and the
    // size adjustments stay.
    void Clear() override;
    bool LoadFromDocNode(TBTNode20& docNode) override;
    bool SaveToDocNode(TBTNode20& docNode) const override;

    // Write the font colour to a layout even when it is black.
    bool FIsMustStoreFontColor = false;
    // The canvas's cached text layout, made by the first draw.
    std::unique_ptr<ui::TextLayout> FTextLayout;

protected:
    // From another text parameter: the font, trimming, alignments, IsWordWrap and IsDrawVert, then the base
    // values (not the size adjustments).
    bool AssignFrom(const ui::Persistent& source) override;

private:
    TDrawFont drawFont_;
    bool isWordWrap_ = false;
    bool isDrawVert_ = false;
    TFontHorzAlign fontHorzAlign_ = TFontHorzAlign::fhaLeft;
    TFontVertAlign fontVertAlign_ = TFontVertAlign::fvaTop;
    TFontTrimmingType fontTrimming_ = TFontTrimmingType::fttNone;
    double autoSizeWidthAdjust_ = 0;
    double autoSizeHeightAdjust_ = 0;
};

// The text parameter with its published properties (DrawFont, FontName, FontSize, FontStyle, FontColor,
// IsWordWrap, IsDrawVert, FontHorzAlign, FontVertAlign, FontTrimming, AutoSizeWidthAdjust,
// AutoSizeHeightAdjust, and the base's Alpha, DrawRectSetting and DrawEffectSetting).
class TDrawTextParam : public TBaseDrawTextParam {
public:
    using TBaseDrawTextParam::TBaseDrawTextParam;
    std::u16string_view ClassName() const override { return u"TDrawTextParam"; }
    static const ui::PropertyTable& StaticProperties();
    const ui::PropertyTable& PublishedProperties() const override { return StaticProperties(); }
};

// The process-wide text parameter ("全局文本绘制参数") measurements use when they are given none; made on first
// request.
TDrawTextParam& GetGlobalDefaultDrawTextParam();

}  // namespace skin
