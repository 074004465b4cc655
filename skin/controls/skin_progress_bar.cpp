#include "skin/controls/skin_progress_bar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <string>

#include "skin/core/base_log.h"
#include "skin/core/paint_lock.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_rect_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace skin {

namespace {

ISkinProgressBar& RequireProgressBar(ui::Component& control) {
    auto* bar = dynamic_cast<ISkinProgressBar*>(&control);
    if (bar == nullptr) throw SkinError("This Component Do not Support ISkinProgressBar Interface");
    return *bar;
}

std::u16string Number(double value) { return ui::Utf8ToUtf16(std::to_string(value)); }

}  // namespace

// --- TProgressBarProperties

TProgressBarProperties::TProgressBarProperties(ui::Component& skinControl)
    : TSkinControlProperties(skinControl), progressBarIntf_(RequireProgressBar(skinControl)) {
    SkinControlIntf().SetWidth(120);
    SkinControlIntf().SetHeight(22);
}

const ui::PropertyTable& TProgressBarProperties::StaticProperties() {
    using P = TProgressBarProperties;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<P>(&TSkinControlProperties::StaticProperties())
            .Integer<int32_t>(u"Min", &P::Min, &P::SetMin)
            .Integer<int32_t>(u"Max", &P::Max, &P::SetMax)
            .Integer<int32_t>(u"Position", &P::Position, &P::SetPosition)
            .Enumeration<TProgressBarOrientation>(u"Orientation", kEnumNames<TProgressBarOrientation>, &P::Orientation,
                                                  &P::SetOrientation)
            .Build();
    return table;
}

void TProgressBarProperties::SetRangeAndPosition(int32_t min, int32_t max, int32_t position) {
    if (position < min) position = min;
    if (position > max) position = max;
    if (min == min_ && max == max_ && position == position_) return;
    min_ = min;
    max_ = max;
    position_ = position;
    if (const ui::NotifyEvent& onChange = progressBarIntf_.GetOnChange()) onChange(this);
    if (PaintLockCount == 0) SkinControlIntf().Invalidate();
}

void TProgressBarProperties::SetOrientation(TProgressBarOrientation value) {
    if (orientation_ == value) return;
    orientation_ = value;
    if (SkinControl().IsLoading()) return;
    ISkinControl& control = SkinControlIntf();
    control.SetBounds(control.GetLeft(), control.GetTop(), control.GetHeight(), control.GetWidth());
}

void TProgressBarProperties::AssignProperties(const TSkinControlProperties& source) {
    TSkinControlProperties::AssignProperties(source);
    const auto* bar = dynamic_cast<const TProgressBarProperties*>(&source);
    if (bar == nullptr) return;
    orientation_ = bar->orientation_;
    max_ = bar->max_;
    min_ = bar->min_;
    position_ = bar->position_;
}

double TProgressBarProperties::FilledFraction() const {
    // An empty range has no scale: nothing is filled. The fill is measured from Min (from 0 it would overrun
    // the track for any range that does not start at 0), and a position written silently outside the range
    // fills no more than the track.
    if (max_ <= min_) return 0;
    const double fraction = (static_cast<double>(position_) - min_) / (static_cast<double>(max_) - min_);
    return std::clamp(fraction, 0.0, 1.0);
}

// --- TSkinProgressBarType

bool TSkinProgressBarType::CustomBind(ui::Component& skinControl) {
    if (!TSkinControlType::CustomBind(skinControl)) return false;
    progressBarIntf_ = &RequireProgressBar(skinControl);
    return true;
}

void TSkinProgressBarType::CustomUnBind() {
    TSkinControlType::CustomUnBind();
    progressBarIntf_ = nullptr;
}

TProgressBarProperties* TSkinProgressBarType::Properties() const {
    return progressBarIntf_ != nullptr ? &progressBarIntf_->ProgressBarProperties() : nullptr;
}

void TSkinProgressBarType::SizeChanged() {
    TSkinControlType::SizeChanged();
    Invalidate();
}

ui::RectF TSkinProgressBarType::CalcFillRect(const ui::RectF& rect, bool reversed) const {
    const TProgressBarProperties* properties = Properties();
    if (properties == nullptr) return rect;
    ui::RectF fill = rect;
    if (properties->Orientation() == TProgressBarOrientation::prHorizontal) {
        const float filled = static_cast<float>(properties->FilledFraction() * rect.Width());
        if (reversed) {
            fill.left = rect.right - filled;
        } else {
            fill.right = rect.left + filled;
        }
    } else {
        const float filled = static_cast<float>(properties->FilledFraction() * rect.Height());
        if (reversed) {
            fill.top = rect.bottom - filled;
        } else {
            fill.bottom = rect.top + filled;
        }
    }
    return fill;
}

void TSkinProgressBarType::DrawTexts(TDrawCanvas& canvas, TSkinProgressBarMaterial& material, const ui::RectF& rect) {
    const TProgressBarProperties* properties = Properties();
    if (properties != nullptr && material.IsDrawPercent() && properties->Max() > properties->Min()) {
        const auto percent = static_cast<int64_t>(std::floor(properties->FilledFraction() * 100 + 1e-9));
        canvas.DrawText(material.DrawPercentParam(), ui::Utf8ToUtf16(std::to_string(percent)) + u"%", rect);
    }
    if (SkinControlIntf() == nullptr) return;
    const std::u16string& caption = SkinControlIntf()->GetCaption();
    if (!caption.empty()) canvas.DrawText(material.DrawCaptionParam(), caption, rect);
}

// --- TSkinProgressBarDefaultType

bool TSkinProgressBarDefaultType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material,
                                              const ui::RectF& drawRect, const TPaintData&) {
    auto* bar = dynamic_cast<TSkinProgressBarDefaultMaterial*>(material);
    const TProgressBarProperties* properties = Properties();
    if (bar == nullptr || properties == nullptr) return false;
    const bool horizontal = properties->Orientation() == TProgressBarOrientation::prHorizontal;
    TDrawPicture& track = horizontal ? bar->HorzBackGndPicture() : bar->VertBackGndPicture();
    TDrawPicture& fill = horizontal ? bar->HorzForeGndPicture() : bar->VertForeGndPicture();
    {
        // The stretch follows the orientation whatever was stored; setting it is no change to repaint for.
        TPaintLock lock;
        const TPictureStretchStyle style =
            horizontal ? TPictureStretchStyle::issThreePartHorz : TPictureStretchStyle::issThreePartVert;
        bar->BackGndDrawPictureParam().SetStretchStyle(style);
        bar->ForeGndDrawPictureParam().SetStretchStyle(style);
    }
    canvas.DrawPicture(bar->BackGndDrawPictureParam(), &track, drawRect);
    const ui::RectF fillRect = CalcFillRect(drawRect, false);
    if (bar->IsClipPercentRect()) {
        TDrawCanvasClip clip(canvas, fillRect);
        canvas.DrawPicture(bar->ForeGndDrawPictureParam(), &fill, drawRect);
    } else {
        canvas.DrawPicture(bar->ForeGndDrawPictureParam(), &fill, fillRect);
    }
    DrawTexts(canvas, *bar, drawRect);
    return true;
}

// --- TSkinProgressBarColorType

bool TSkinProgressBarColorType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material,
                                            const ui::RectF& drawRect, const TPaintData&) {
    auto* bar = dynamic_cast<TSkinProgressBarColorMaterial*>(material);
    if (bar == nullptr || Properties() == nullptr) return false;
    int step = 1;
    ui::RectF fillRect{};
    try {
        fillRect = CalcFillRect(drawRect, bar->IsReverse());
        step = 2;
        if (bar->IsClipPercentRect()) {
            TDrawCanvasClip clip(canvas, fillRect);
            step = 3;
            canvas.DrawRect(bar->ForeColor(), drawRect);
        } else {
            step = 3;
            canvas.DrawRect(bar->ForeColor(), fillRect);
        }
        step = 4;
        DrawTexts(canvas, *bar, drawRect);
        step = 6;
    } catch (const std::exception& e) {
        DebugLog(u"TSkinProgressBarColorType.CustomPaint GetUpSpaceDrawRect " + ui::Utf8ToUtf16(std::to_string(step)) +
                 u" " + Number(fillRect.left) + u"," + Number(fillRect.top) + u"," + Number(fillRect.Width()) + u"," +
                 Number(fillRect.Height()) + u",");
        DebugLog(ui::Utf8ToUtf16(e.what()));
    }
    return true;
}

// --- TSkinProgressBar

TSkinProgressBar::TSkinProgressBar()
    : TSkinFireMonkeyControl(SkinClassOf<TSkinControlProperties, TProgressBarProperties, ui::Component&>()) {
    CreateProperties();
}

const ui::PropertyTable& TSkinProgressBar::StaticProperties() {
    using C = TSkinProgressBar;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<C>(&TSkinFireMonkeyControl::StaticProperties())
            .Text(u"Caption", &C::GetCaption, [](C& c, const std::u16string& v) { c.SetCaption(v); })
            .Text(u"Text", &C::GetCaption, [](C& c, const std::u16string& v) { c.SetCaption(v); })
            .Event(u"OnChange", &C::OnChange)
            .Build();
    return table;
}

TProgressBarProperties& TSkinProgressBar::ProgressBarProperties() const {
    return static_cast<TProgressBarProperties&>(Properties());
}

TSkinProgressBarDefaultMaterial* TSkinProgressBar::SelfOwnMaterialToDefault() {
    return dynamic_cast<TSkinProgressBarDefaultMaterial*>(GetSelfOwnMaterial());
}

TSkinProgressBarDefaultMaterial* TSkinProgressBar::CurrentUseMaterialToDefault() {
    return dynamic_cast<TSkinProgressBarDefaultMaterial*>(GetCurrentUseMaterial());
}

void TSkinProgressBar::SetControlValue(std::u16string_view value) {
    const std::string text = ui::Utf16ToUtf8(ui::TrimBlanks(value));
    int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) number = 0;
    ProgressBarProperties().SetStaticPosition(number);
}

void TSkinProgressBar::MaterialChanged(ui::Object* sender) {
    if (!IsReading() && !IsLoading()) Properties().AdjustAutoSizeBounds();
    TSkinFireMonkeyControl::MaterialChanged(sender);
}

}  // namespace skin
