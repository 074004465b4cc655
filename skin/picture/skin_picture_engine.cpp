#include "skin/picture/skin_picture_engine.h"

#include "skin/picture/skin_picture.h"

namespace skin {

void TSkinPictureEngine::RePaint() {
    if (skinPicture_ != nullptr && skinPicture_->OnAnimateRePaint) skinPicture_->OnAnimateRePaint(skinPicture_);
}

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

std::unique_ptr<TSkinPictureEngine> CreateSkinPictureEngine(TSkinPicture* skinPicture, bool isGIF) {
    if (isGIF) return std::make_unique<TSkinGIFPictureEngine>(skinPicture);
    return std::make_unique<TSkinPictureEngine>(skinPicture);
}

}  // namespace skin
