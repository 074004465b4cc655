#include "skin/controls/skin_image.h"

#include <cmath>

#include "skin/core/paint_lock.h"
#include "skin/core/skin_error.h"
#include "skin/draw/draw_canvas.h"
#include "skin/draw/draw_picture_param.h"
#include "skin/draw/draw_text_param.h"
#include "skin/picture/draw_picture.h"
#include "skin/picture/skin_image_list.h"
#include "skin/picture/skin_picture_engine.h"
#include "ui/property_table.h"
#include "ui/timer.h"

namespace skin {

namespace {

ISkinImage& RequireImage(ui::Component& control) {
    auto* image = dynamic_cast<ISkinImage*>(&control);
    if (image == nullptr) throw SkinError("This Component Do not Support ISkinImage Interface");
    return *image;
}

constexpr int kFullTurn = 360;

}  // namespace

// --- TImageProperties

TImageProperties::TImageProperties(ui::Component& skinControl)
    : TSkinControlProperties(skinControl), picture_(CreateDrawPicture(u"Image.Picture", u"Image.图片", u"")) {
    RequireImage(skinControl);
    SkinControlIntf().SetWidth(120);
    SkinControlIntf().SetHeight(100);
    picture_->SetGIFSupport(true);
    picture_->OnAnimateRePaint = [this](ui::Object*) {
        if (PaintLockCount == 0) SkinControlIntf().Invalidate();
    };
}

TImageProperties::~TImageProperties() = default;

const ui::PropertyTable& TImageProperties::StaticProperties() {
    using P = TImageProperties;
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<P>(&TSkinControlProperties::StaticProperties())
            .Bool(u"IsToolBar", &P::IsToolBar, &P::SetIsToolBar)
            .Object(u"Picture", [](P& p) -> TDrawPicture& { return p.Picture(); })
            .Bool(u"Animated", &P::Animated, &P::SetAnimated)
            .Double(u"AnimateSpeed", &P::AnimateSpeed, &P::SetAnimateSpeed)
            .Integer(u"GIFDelayExp", &P::GIFDelayExp, &P::SetGIFDelayExp)
            .Integer(u"CurrentRotateAngle", &P::CurrentRotateAngle, &P::SetCurrentRotateAngle)
            .Bool(u"Rotated", &P::Rotated, &P::SetRotated)
            .Double(u"RotateSpeed", &P::RotateSpeed, &P::SetRotateSpeed)
            .Integer(u"RotateIncrement", &P::RotateIncrement, &P::SetRotateIncrement)
            .Build();
    return table;
}

void TImageProperties::SetPicture(const TDrawPicture& value) { picture_->Assign(&value); }

void TImageProperties::UpdateEngine() {
    auto* engine = dynamic_cast<TSkinBaseGIFPictureEngine*>(picture_->SkinPictureEngine());
    if (engine == nullptr) return;
    engine->SetAnimated(animated_);
    engine->SetAnimateSpeed(animateSpeed_);
    engine->SetGIFDelayExp(gifDelayExp_);
}

void TImageProperties::SetAnimated(bool value) {
    if (animated_ == value) return;
    animated_ = value;
    UpdateEngine();
}

void TImageProperties::SetAnimateSpeed(double value) {
    if (animateSpeed_ == value) return;
    animateSpeed_ = value;
    UpdateEngine();
}

void TImageProperties::SetGIFDelayExp(int value) {
    if (value < 1) value = 1;
    if (gifDelayExp_ == value) return;
    gifDelayExp_ = value;
    UpdateEngine();
}

void TImageProperties::SetCurrentRotateAngle(int value) {
    if (currentRotateAngle_ == value) return;
    currentRotateAngle_ = value;
    RepaintControl();
}

int TImageProperties::RotateInterval() const { return static_cast<int>(std::ceil(rotateSpeed_ * 10)); }

void TImageProperties::SetRotated(bool value) {
    rotated_ = value;
    if (value && rotateTimer_ == nullptr) {
        rotateTimer_ = std::make_unique<ui::Timer>();
        rotateTimer_->SetInterval(RotateInterval());
        rotateTimer_->OnTimer = [this](ui::Object*) { RotateTimerTick(); };
    }
    if (rotateTimer_ != nullptr) rotateTimer_->SetEnabled(value);
}

void TImageProperties::SetRotateSpeed(double value) {
    rotateSpeed_ = value;
    if (rotateTimer_ == nullptr) return;
    rotateTimer_->SetInterval(RotateInterval());
    rotateTimer_->SetEnabled(rotated_);
}

void TImageProperties::RotateTimerTick() {
    ++animateTicket_;
    TSkinBaseImageList* list = picture_->GetSkinImageList();
    const int count = list != nullptr ? list->Count() : 0;
    if (count < 1) {
        if (currentRotateAngle_ >= kFullTurn) currentRotateAngle_ = 0;
        currentRotateAngle_ += rotateIncrement_;
        if (currentRotateAngle_ > kFullTurn) currentRotateAngle_ = kFullTurn;
    } else if (count > 1) {
        picture_->SetImageIndex((picture_->ImageIndex() + 1) % count);
    }
    RepaintControl();
}

void TImageProperties::RepaintControl() {
    if (PaintLockCount == 0) SkinControlIntf().Invalidate();
}

void TImageProperties::PropertiesChanged(ui::Object* sender) {
    AdjustAutoSizeBounds();
    TSkinControlProperties::PropertiesChanged(sender);
}

void TImageProperties::AssignProperties(const TSkinControlProperties& source) {
    TSkinControlProperties::AssignProperties(source);
    const auto* image = dynamic_cast<const TImageProperties*>(&source);
    if (image == nullptr) return;
    picture_->Assign(image->picture_);
    animated_ = image->animated_;
    animateSpeed_ = image->animateSpeed_;
    rotated_ = image->rotated_;
    rotateSpeed_ = image->rotateSpeed_;
    rotateIncrement_ = image->rotateIncrement_;
}

// --- TSkinImageType

bool TSkinImageType::CustomBind(ui::Component& skinControl) {
    if (!TSkinControlType::CustomBind(skinControl)) return false;
    skinImageIntf_ = &RequireImage(skinControl);
    return true;
}

void TSkinImageType::CustomUnBind() {
    TSkinControlType::CustomUnBind();
    skinImageIntf_ = nullptr;
}

bool TSkinImageType::CustomPaint(TDrawCanvas& canvas, TSkinControlMaterial* material, const ui::RectF& drawRect,
                                 const TPaintData&) {
    auto* imageMaterial = dynamic_cast<TSkinImageMaterial*>(material);
    if (imageMaterial == nullptr || skinImageIntf_ == nullptr) return false;
    TImageProperties& properties = skinImageIntf_->ImageProperties();
    TDrawPictureParam& param = imageMaterial->DrawPictureParam();
    auto* engine = dynamic_cast<TSkinBaseGIFPictureEngine*>(properties.Picture().SkinPictureEngine());
    if (properties.Animated() && engine != nullptr && engine->GetCurrentIsGIF()) {
        // A playing GIF: the engine draws its current frame.
        engine->DrawToCanvas(canvas, param, drawRect);
    } else {
        param.SetStaticRotateAngle(properties.CurrentRotateAngle());
        canvas.DrawPicture(param, &properties.Picture(), drawRect);
    }
    const std::u16string& caption = SkinControlIntf()->GetCaption();
    if (!caption.empty()) canvas.DrawText(imageMaterial->DrawCaptionParam(), caption, drawRect);
    return true;
}

bool TSkinImageType::CalcAutoSize(double& width, double& height) {
    width = 0;
    height = 0;
    if (skinImageIntf_ == nullptr || SkinControl()->IsReading() || SkinControlIntf()->GetParent() == nullptr) {
        return false;
    }
    TDrawPicture& picture = skinImageIntf_->ImageProperties().Picture();
    const int pictureWidth = picture.CurrentPictureDrawWidth();
    const int pictureHeight = picture.CurrentPictureDrawHeight();
    if (pictureWidth <= 0 || pictureHeight <= 0) return false;
    width = pictureWidth;
    height = pictureHeight;
    return true;
}

// --- TSkinImage

TSkinImage::TSkinImage()
    : TSkinFireMonkeyControl(SkinClassOf<TSkinControlProperties, TImageProperties, ui::Component&>()) {
    CreateProperties();
}

const ui::PropertyTable& TSkinImage::StaticProperties() {
    static const ui::PropertyTable table =
        ui::PropertyTableBuilder<TSkinImage>(&TSkinFireMonkeyControl::StaticProperties())
            .Text(u"Caption", &TSkinImage::GetCaption, [](TSkinImage& i, const std::u16string& v) { i.SetCaption(v); })
            .Build();
    return table;
}

TImageProperties& TSkinImage::ImageProperties() const { return static_cast<TImageProperties&>(Properties()); }

TSkinImageDefaultMaterial* TSkinImage::SelfOwnMaterialToDefault() {
    return dynamic_cast<TSkinImageDefaultMaterial*>(GetSelfOwnMaterial());
}

TSkinImageDefaultMaterial* TSkinImage::CurrentUseMaterialToDefault() {
    return dynamic_cast<TSkinImageDefaultMaterial*>(GetCurrentUseMaterial());
}

void TSkinImage::MaterialChanged(ui::Object* sender) {
    if (!IsReading() && !IsLoading()) Properties().AdjustAutoSizeBounds();
    TSkinFireMonkeyControl::MaterialChanged(sender);
}

void TSkinImage::Loaded() {
    TSkinFireMonkeyControl::Loaded();
    TImageProperties& properties = ImageProperties();
    if (!properties.Animated()) return;
    if (auto* engine = dynamic_cast<TSkinBaseGIFPictureEngine*>(properties.Picture().SkinPictureEngine())) {
        engine->StartAnimate();
    }
}

}  // namespace skin
