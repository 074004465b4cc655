#include "skin/draw/fire_monkey_draw_canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/log.h"
#include "skin/draw/buffer_bitmap.h"
#include "skin/draw/color_text_list.h"
#include "skin/draw/draw_canvas_settings.h"
#include "skin/draw/draw_compare.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "ui/canvas_state_saver.h"
#include "ui/graphics.h"
#include "ui/rect_outline.h"

namespace skin {

namespace {

constexpr char16_t kLogArea[] = u"Skin";

float Opacity(const TDrawParam& param) { return static_cast<float>(param.DrawAlpha) / 255.0f; }

unsigned PlatformCorners(TDRPRectCorners corners) {
    unsigned result = ui::kCornerNone;
    if (corners.Contains(TDRPRectCorner::rcTopLeft)) result |= ui::kCornerTopLeft;
    if (corners.Contains(TDRPRectCorner::rcTopRight)) result |= ui::kCornerTopRight;
    if (corners.Contains(TDRPRectCorner::rcBottomLeft)) result |= ui::kCornerBottomLeft;
    if (corners.Contains(TDRPRectCorner::rcBottomRight)) result |= ui::kCornerBottomRight;
    return result;
}

unsigned PlatformSides(TDRPBorderEadges edges) {
    unsigned result = ui::kSideNone;
    if (edges.Contains(TDRPBorderEadge::beLeft)) result |= ui::kSideLeft;
    if (edges.Contains(TDRPBorderEadge::beTop)) result |= ui::kSideTop;
    if (edges.Contains(TDRPBorderEadge::beRight)) result |= ui::kSideRight;
    if (edges.Contains(TDRPBorderEadge::beBottom)) result |= ui::kSideBottom;
    return result;
}

ui::TextAlign HorzAlign(TFontHorzAlign align) {
    switch (align) {
        case TFontHorzAlign::fhaLeft:
            return ui::TextAlign::Leading;
        case TFontHorzAlign::fhaCenter:
            return ui::TextAlign::Center;
        case TFontHorzAlign::fhaRight:
            return ui::TextAlign::Trailing;
    }
    return ui::TextAlign::Leading;
}

ui::TextAlign VertAlign(TFontVertAlign align) {
    switch (align) {
        case TFontVertAlign::fvaTop:
            return ui::TextAlign::Leading;
        case TFontVertAlign::fvaCenter:
            return ui::TextAlign::Center;
        case TFontVertAlign::fvaBottom:
            return ui::TextAlign::Trailing;
    }
    return ui::TextAlign::Leading;
}

ui::TextTrimming Trimming(TFontTrimmingType trimming) {
    switch (trimming) {
        case TFontTrimmingType::fttNone:
            return ui::TextTrimming::None;
        case TFontTrimmingType::fttCharacter:
            return ui::TextTrimming::Character;
        case TFontTrimmingType::fftWord:
            return ui::TextTrimming::Word;
    }
    return ui::TextTrimming::None;
}

// The rectangle inset by half the border width on each axis, so that a stroke centred on it has its outer edge
// on the rectangle; an axis thinner than the border collapses to a sliver at its centre.
ui::RectF InsetForBorder(const ui::RectF& r, double borderWidth) {
    if (IsZeroValue(borderWidth)) return r;
    ui::RectF inset = r;
    const auto half = static_cast<float>(borderWidth / 2);
    if (borderWidth > r.Width()) {
        inset.left = (r.left + r.right) / 2;
        inset.right = inset.left + 0.01f;
    } else {
        inset.left += half;
        inset.right -= half;
    }
    if (borderWidth > r.Height()) {
        inset.top = (r.top + r.bottom) / 2;
        inset.bottom = inset.top + 0.01f;
    } else {
        inset.top += half;
        inset.bottom -= half;
    }
    return inset;
}

// A radius of -1 means half the size.
float Radius(double radius, float size) { return IsSameValue(radius, -1) ? size / 2 : static_cast<float>(radius); }

float Snap(float v, float d) { return DrawCanvasSettings().IsSnapLineToPixel ? std::floor(v) + d : v; }

// Rounds a measured size up to whole device pixels of the scale.
double RoundUpToDevice(double v, float scale) {
    // The tolerance keeps a size that is whole in device pixels from rounding up over float noise.
    if (scale > 0) return std::ceil(v * scale - kDrawTolerance) / scale;
    return std::ceil(v - kDrawTolerance);
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void MakeVerticalText(std::u16string_view text, std::u16string& out) {
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) out += text[++i];
        out += u"\r\n";
    }
}

TFireMonkeyDrawCanvas::TFireMonkeyDrawCanvas() { clipStates_.reserve(8); }

TFireMonkeyDrawCanvas::~TFireMonkeyDrawCanvas() {
    if (Canvas()) CustomUnPrepare();
}

bool TFireMonkeyDrawCanvas::CustomUnPrepare() {
    if (!clipStates_.empty()) {
        platform::Log(kLogArea, u"TFireMonkeyDrawCanvas: a clip was left set at the end of the paint");
        if (ui::Canvas* canvas = Canvas()) canvas->RestoreState(clipStates_.front());
        clipStates_.clear();
    }
    ClearCanvas();
    return true;
}

bool TFireMonkeyDrawCanvas::BeginDraw() { return Canvas() && Canvas()->BeginScene(); }

void TFireMonkeyDrawCanvas::EndDraw() {
    if (Canvas()) Canvas()->EndScene();
}

void TFireMonkeyDrawCanvas::SetClip(const ui::RectF& clipRect) {
    ui::Canvas* canvas = Canvas();
    if (!canvas) return;
    clipStates_.push_back(canvas->SaveState());
    canvas->IntersectClipRect(clipRect);
}

void TFireMonkeyDrawCanvas::ResetClip() {
    ui::Canvas* canvas = Canvas();
    if (clipStates_.empty()) {
        platform::Log(kLogArea, u"TFireMonkeyDrawCanvas: ResetClip without SetClip");
        return;
    }
    const ui::Canvas::StateId state = clipStates_.back();
    clipStates_.pop_back();
    if (canvas) canvas->RestoreState(state);
}

bool TFireMonkeyDrawCanvas::DrawDesigningRect(const ui::RectF& drawRect, ui::AlphaColor borderColor) {
    ui::Canvas* canvas = Canvas();
    if (!canvas || !DrawCanvasSettings().IsDrawDesigningRect) return false;
    canvas->Stroke().thickness = 1;
    canvas->Stroke().dash = ui::DashStyle::Dash;
    canvas->Stroke().color = borderColor;
    canvas->DrawRect({drawRect.left + 1, drawRect.top + 1, drawRect.right, drawRect.bottom}, 0, 0, ui::kCornerNone,
                     0.7f);
    canvas->Stroke().dash = ui::DashStyle::Solid;
    return false;
}

bool TFireMonkeyDrawCanvas::DrawDesigningText(const ui::RectF& drawRect, std::u16string_view text) {
    ui::Canvas* canvas = Canvas();
    if (!canvas || !DrawCanvasSettings().IsDrawDesigningName) return false;
    canvas->CanvasFont().size = 12;
    canvas->Fill().kind = ui::BrushKind::Solid;
    canvas->Fill().color = 0xFF000000;
    canvas->FillText(drawRect, text, ui::TextWrap::Word, 0.6f, ui::TextAlign::Leading, ui::TextAlign::Leading);
    return false;
}

bool TFireMonkeyDrawCanvas::DrawRect(const TBaseDrawRectParam& param, const ui::RectF& drawRect) {
    ui::Canvas* canvas = Canvas();
    if (!canvas) return true;
    const bool fill = param.CurrentEffectIsFill();
    const double borderWidth = param.CurrentEffectBorderWidth();
    if (!fill && IsZeroValue(borderWidth) && !param.IsLine()) return true;
    // A control rectangle of no or negative size draws nothing.
    if (drawRect.Width() < kDrawTolerance || drawRect.Height() < kDrawTolerance) return true;
    const ui::RectF r = param.CalcDrawRect(drawRect);
    // Margins larger than the control turn the drawn rectangle inside out: nothing to draw, not a line.
    if (r.Width() <= -kDrawTolerance || r.Height() <= -kDrawTolerance) return true;
    const float opacity = Opacity(param);

    if (param.IsLine() || !IsGreaterValue(r.Width(), 1) || !IsGreaterValue(r.Height(), 1)) {
        DrawRectAsLine(param, r, opacity);
        return true;
    }

    const ui::RectF inner = InsetForBorder(r, borderWidth);
    const float rx = Radius(param.RoundWidth(), inner.Width());
    const float ry = Radius(param.RoundHeight(), inner.Height());
    const unsigned corners = PlatformCorners(param.RectCorners());
    const unsigned sides = PlatformSides(param.BorderEadges());

    if (fill && param.BrushKind() != TDRPBrushKind::drpbkNone) {
        ui::FillBrush& brush = canvas->Fill();
        if (param.BrushKind() == TDRPBrushKind::drpbkGradient) {
            const TDrawGradient& gradient = param.Gradient();
            brush.kind = ui::BrushKind::Gradient;
            brush.gradient.startPoint = gradient.StartPosition().Point();
            brush.gradient.endPoint = gradient.StopPosition().Point();
            brush.gradient.stops = gradient.Points();
        } else {
            brush.kind = ui::BrushKind::Solid;
        }
        // For a gradient this is its first colour: the state's colour wins over the stored one.
        brush.color = param.CurrentEffectFillDrawColor().Color();
        if (param.IsClipRound) {
            const ui::RectF hole = param.ClipRoundRectSetting().CalcDrawRect(inner);
            holePath_.Clear();
            if (param.IsRound()) {
                ui::AddRoundedRectOutline(holePath_, inner, rx, ry, corners);
            } else {
                ui::AddRoundedRectOutline(holePath_, inner, 0, 0, ui::kCornerNone);
            }
            ui::AddRoundedRectOutline(holePath_, hole, Radius(param.ClipRoundWidth, hole.Width()),
                                      Radius(param.ClipRoundHeight, hole.Height()), corners);
            canvas->FillPath(holePath_, opacity, ui::FillRule::EvenOdd);
        } else if (param.IsRound()) {
            canvas->FillRect(inner, rx, ry, corners, opacity);
        } else {
            canvas->FillRect(inner, 0, 0, ui::kCornerNone, opacity);
        }
    }

    if (borderWidth > 0 && sides != ui::kSideNone) {
        ui::StrokeBrush& stroke = canvas->Stroke();
        stroke.color = param.CurrentEffectBorderColor().Color();
        stroke.thickness = static_cast<float>(borderWidth);
        stroke.dash = ui::DashStyle::Solid;
        if (sides == ui::kSidesAll) {
            if (param.IsRound()) {
                canvas->DrawRect(inner, rx, ry, corners, opacity);
            } else {
                canvas->DrawRect(inner, 0, 0, ui::kCornerNone, opacity);
            }
        } else if (param.IsRound()) {
            canvas->DrawRoundRectSides(inner, rx, ry, corners, sides, opacity);
        } else {
            canvas->DrawRectSides(inner, sides, opacity);
        }
    }
    return true;
}

void TFireMonkeyDrawCanvas::DrawRectAsLine(const TBaseDrawRectParam& param, const ui::RectF& r, float opacity) {
    ui::Canvas& canvas = *Canvas();
    ui::StrokeBrush& stroke = canvas.Stroke();
    stroke.color = param.FillColor().Color();
    stroke.thickness = static_cast<float>(DrawCanvasSettings().DefaultLineWidth);
    stroke.dash = ui::DashStyle::Solid;
    if (param.IsLine()) {
        switch (param.LinePosition()) {
            case TDRPLinePosition::lpLeft: {
                const float x = Snap(r.left, 0.5f);
                canvas.DrawLine({x, r.top}, {x, r.bottom}, opacity);
                break;
            }
            case TDRPLinePosition::lpTop: {
                const float y = Snap(r.top, 0.5f);
                canvas.DrawLine({r.left, y}, {r.right, y}, opacity);
                break;
            }
            case TDRPLinePosition::lpRight: {
                const float x = Snap(r.right, -0.5f);
                canvas.DrawLine({x, r.top}, {x, r.bottom}, opacity);
                break;
            }
            case TDRPLinePosition::lpBottom: {
                const float y = Snap(r.bottom, -0.5f);
                canvas.DrawLine({r.left, y}, {r.right, y}, opacity);
                break;
            }
        }
    } else if (!IsGreaterValue(r.Width(), 1)) {
        const float x = Snap(r.left, 0.5f);
        canvas.DrawLine({x, r.top}, {x, r.bottom}, opacity);
    } else {
        const float y = Snap(r.top, 0.5f);
        canvas.DrawLine({r.left, y}, {r.right, y}, opacity);
    }
}

bool TFireMonkeyDrawCanvas::DrawText(TBaseDrawTextParam& param, std::u16string_view text, const ui::RectF& drawRect,
                                     IColorTextList* colorTextList) {
    ui::Canvas* canvas = Canvas();
    if (!canvas) return true;
    if (text.empty() && !colorTextList) return true;
    const ui::RectF r = param.CalcDrawRect(drawRect);
    if (param.IsDrawVert()) {
        MakeVerticalText(text, vertText_);
        text = vertText_;
    }

    if (!param.IsWordWrap() && colorTextList) {
        DrawColorTextRuns(param, r, *colorTextList);
        return true;
    }

    if (!param.FTextLayout) {
        ui::Graphics* graphics = ui::GetGraphics();
        if (!graphics) {
            platform::Log(kLogArea, u"TFireMonkeyDrawCanvas.DrawText: no drawing services");
            return true;
        }
        // The default text parameter's layout is process-wide: it must go with the services that made it.
        if (&param == &GetGlobalDefaultDrawTextParam()) ui::AddGraphicsResetHook(&ResetGraphicsObjects);
        param.FTextLayout = graphics->CreateTextLayout();
        if (!param.FTextLayout) return true;
    }
    ui::TextLayout& layout = *param.FTextLayout;
    const TDrawCanvasSettings& settings = DrawCanvasSettings();
    const float fontSize = std::floor(static_cast<float>(param.CurrentEffectFontSize()));
    canvas->CanvasFont().size = fontSize;
    layout.BeginUpdate();
    ui::TextLayoutSettings& edit = layout.Edit();
    edit.topLeft = r.TopLeft();
    edit.maxSize = {r.Width(), r.Height()};
    edit.text.assign(text);
    edit.opacity = Opacity(param);
    edit.trimming = Trimming(param.FontTrimming());
    if (!settings.IsUseDefaultFontFamily) {
        edit.font.family.assign(param.CurrentEffectFontName());
    } else if (!settings.DefaultFontFamily.empty()) {
        edit.font.family.assign(settings.DefaultFontFamily);
    }
    edit.font.size = fontSize;
    edit.font.style = static_cast<unsigned>(param.CurrentEffectFontStyle().Bits());
    edit.color = param.CurrentEffectFontColor().Color();
    edit.horizontalAlign = HorzAlign(param.FontHorzAlign());
    edit.verticalAlign = VertAlign(param.FontVertAlign());
    edit.wrap = param.IsWordWrap() ? ui::TextWrap::Word : ui::TextWrap::None;
    layout.EndUpdate();
    layout.RenderLayout(*canvas);
    return true;
}

void TFireMonkeyDrawCanvas::DrawColorTextRuns(TBaseDrawTextParam& param, const ui::RectF& r, IColorTextList& list) {
    ui::Canvas& canvas = *Canvas();
    const int count = list.GetColorTextCount();
    const auto applyFont = [&](TBaseColorTextItem& item) {
        const TDrawFont& font = item.IsUseDefaultDrawFont ? param.DrawFont() : item.DrawFont;
        canvas.CanvasFont().family.assign(font.FontName());
        canvas.CanvasFont().size = static_cast<float>(font.FontSize());
        canvas.CanvasFont().style = static_cast<unsigned>(font.FontStyle().Bits());
        canvas.Fill().kind = ui::BrushKind::Solid;
        canvas.Fill().color =
            item.IsUseDefaultDrawFontColor ? param.CurrentEffectFontColor().Color() : item.DrawFont.Color();
    };
    double total = 0;
    for (int i = 0; i < count; ++i) {
        TBaseColorTextItem& item = list.GetColorTextItem(i);
        applyFont(item);
        item.DrawWidth = canvas.TextWidth(item.Text);
        item.DrawHeight = canvas.TextHeight(item.Text);
        switch (param.FontVertAlign()) {
            case TFontVertAlign::fvaTop:
                item.DrawTop = 0;
                break;
            case TFontVertAlign::fvaCenter:
                item.DrawTop = (r.Height() - item.DrawHeight) / 2;
                break;
            case TFontVertAlign::fvaBottom:
                item.DrawTop = std::max(0.0, r.Height() - item.DrawHeight);
                break;
        }
        total += item.DrawWidth;
    }
    double x = 0;
    if (param.FontHorzAlign() == TFontHorzAlign::fhaCenter) x = (r.Width() - total) / 2;
    if (param.FontHorzAlign() == TFontHorzAlign::fhaRight) x = r.Width() - total;
    const ui::TextAlign vertical = VertAlign(param.FontVertAlign());
    for (int i = 0; i < count; ++i) {
        TBaseColorTextItem& item = list.GetColorTextItem(i);
        applyFont(item);
        const auto left = static_cast<float>(r.left + x);
        const auto top = static_cast<float>(r.top + item.DrawTop);
        canvas.FillText(
            {left, top, left + static_cast<float>(item.DrawWidth), top + static_cast<float>(item.DrawHeight)},
            item.Text, ui::TextWrap::None, 1, ui::TextAlign::Leading, vertical);
        x += item.DrawWidth;
    }
}

TTextDrawSize TFireMonkeyDrawCanvas::CalcTextDrawSize(const TBaseDrawTextParam& param, std::u16string_view text,
                                                      const ui::RectF& drawRect, TCalcDrawSizeType /*sizeType*/) {
    TTextDrawSize size;
    if (text.empty()) return size;
    ui::Graphics* graphics = ui::GetGraphics();
    if (!graphics) {
        platform::Log(kLogArea, u"TFireMonkeyDrawCanvas.CalcTextDrawSize: no drawing services");
        return size;
    }
    const ui::RectF r = param.CalcDrawRect(drawRect);
    const std::unique_ptr<ui::TextLayout> layout = graphics->CreateTextLayout();
    if (!layout) return size;
    layout->BeginUpdate();
    ui::TextLayoutSettings& edit = layout->Edit();
    edit.text.assign(text);
    edit.font = param.DrawFont().ToFont();
    edit.topLeft = r.TopLeft();
    edit.maxSize = {r.Width(), r.Height()};
    edit.wrap = param.IsWordWrap() ? ui::TextWrap::Word : ui::TextWrap::None;
    edit.trimming = ui::TextTrimming::None;
    edit.horizontalAlign = ui::TextAlign::Leading;
    edit.verticalAlign = ui::TextAlign::Leading;
    layout->EndUpdate();
    const float scale = Canvas() ? Canvas()->Scale() : 0;
    size.DrawWidth = RoundUpToDevice(layout->TextWidth(), scale);
    size.DrawHeight = RoundUpToDevice(layout->TextHeight(), scale);
    return size;
}

}  // namespace skin
