#include "skin/picture/skin_picture_engine.h"

#include "skin/picture/gif_frame_player.h"
#include "skin/picture/skin_picture.h"
#include "skin/picture/skin_picture_canvas.h"

namespace skin {

namespace {

void DrawFrame(ISkinPictureCanvas& canvas, const TBaseDrawPictureParam& param, TSkinPicture* frame,
               const ui::RectF& drawRect) {
    if (frame == nullptr || frame->IsEmpty()) return;
    canvas.DrawSkinPicture(param, frame->Bitmap(), drawRect);
}

}  // namespace

void TSkinPictureEngine::RePaint() {
    if (skinPicture_ != nullptr && skinPicture_->OnAnimateRePaint) skinPicture_->OnAnimateRePaint(skinPicture_);
}

void TSkinPictureEngine::DrawToCanvas(ISkinPictureCanvas& canvas, const TBaseDrawPictureParam& drawPictureParam,
                                      const ui::RectF& drawRect) {
    DrawFrame(canvas, drawPictureParam, CurrentAnimateFrame(), drawRect);
}

TSkinBaseGIFPictureEngine::TSkinBaseGIFPictureEngine(TSkinPicture* skinPicture) : TSkinPictureEngine(skinPicture) {}

TSkinBaseGIFPictureEngine::~TSkinBaseGIFPictureEngine() = default;

bool TSkinBaseGIFPictureEngine::GetCurrentIsGIF() { return SkinPicture() != nullptr && SkinPicture()->HasGIFStream(); }

void TSkinBaseGIFPictureEngine::SetAnimated(bool value) {
    if (animated_ == value) return;
    animated_ = value;
    if (value) {
        StartAnimate();
    } else {
        StopAnimate();
    }
}

void TSkinBaseGIFPictureEngine::SetAnimateSpeed(double value) {
    animateSpeed_ = value;
    SettingsChanged();
}

void TSkinBaseGIFPictureEngine::SetGIFDelayExp(int value) {
    gifDelayExp_ = value;
    SettingsChanged();
}

void TSkinBaseGIFPictureEngine::Clear() {
    player_.reset();
    framesDecoded_ = false;
}

void TSkinBaseGIFPictureEngine::SettingsChanged() {
    if (player_) player_->SetTiming(animateSpeed_, gifDelayExp_);
}

bool TSkinBaseGIFPictureEngine::IsAnimating() { return player_ && player_->IsPlaying(); }

TSkinPicture* TSkinBaseGIFPictureEngine::CurrentAnimateFrame() {
    if (animated_ && !IsAnimating() && GetCurrentIsGIF()) StartAnimate();
    if (IsAnimating()) {
        if (TSkinPicture* frame = player_->ActiveFrame()) return frame;
    }
    return SkinPicture();
}

void TSkinBaseGIFPictureEngine::StartAnimate() {
    if (!framesDecoded_) {
        // Decoded once per engine: data that cannot be decoded is not tried again on every paint.
        framesDecoded_ = true;
        if (GetCurrentIsGIF()) {
            std::vector<TGIFFrame> frames = DecodeGIFFrames(SkinPicture()->GetCurrentGIFStream());
            if (frames.size() >= 2) {
                player_ = std::make_unique<TSkinGIFFramePlayer>(std::move(frames));
                player_->OnFrameChange = [this] { RePaint(); };
            }
        }
    }
    if (!player_) return;
    player_->SetTiming(animateSpeed_, gifDelayExp_);
    player_->Start();
}

void TSkinBaseGIFPictureEngine::StopAnimate() {
    if (player_) player_->Stop();
}

void TSkinBaseGIFPictureEngine::DrawToCanvas(ISkinPictureCanvas& canvas, const TBaseDrawPictureParam& drawPictureParam,
                                             const ui::RectF& drawRect) {
    if (IsAnimating()) {
        DrawFrame(canvas, drawPictureParam, player_->ActiveFrame(), drawRect);
        return;
    }
    TSkinPictureEngine::DrawToCanvas(canvas, drawPictureParam, drawRect);
}

std::unique_ptr<TSkinPictureEngine> CreateSkinPictureEngine(TSkinPicture* skinPicture, bool isGIF) {
    if (isGIF) return std::make_unique<TSkinGIFPictureEngine>(skinPicture);
    return std::make_unique<TSkinPictureEngine>(skinPicture);
}

}  // namespace skin
