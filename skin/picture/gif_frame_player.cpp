#include "skin/picture/gif_frame_player.h"

#include <algorithm>
#include <cmath>

#include "skin/picture/skin_picture.h"
#include "ui/animation_timer.h"

namespace skin {

namespace {
// A stored delay below this many milliseconds means "as fast as possible".
constexpr int kShortestStoredDelayMs = 20;
}  // namespace

TSkinGIFFramePlayer::TSkinGIFFramePlayer(std::vector<TGIFFrame> frames) : frames_(std::move(frames)) {}

TSkinGIFFramePlayer::~TSkinGIFFramePlayer() { Stop(); }

TSkinPicture* TSkinGIFFramePlayer::ActiveFrame() const {
    return active_ < frames_.size() ? frames_[active_].Picture.get() : nullptr;
}

double TSkinGIFFramePlayer::FrameDuration(size_t index) const {
    if (index >= frames_.size() || !(animateSpeed_ > 0)) return 0;
    const int stored = frames_[index].DelayMs;
    const double delay = stored < kShortestStoredDelayMs ? gifDelayExp_ * 10.0 : stored;
    return delay * 10.0 / animateSpeed_;
}

void TSkinGIFFramePlayer::SetTiming(double animateSpeed, int gifDelayExp) {
    animateSpeed_ = animateSpeed;
    gifDelayExp_ = std::max(gifDelayExp, 1);
}

void TSkinGIFFramePlayer::Start() {
    if (playing_ || frames_.size() < 2) return;
    playing_ = true;
    ui::SharedAnimationTimer().Attach(*this);
}

void TSkinGIFFramePlayer::Stop() {
    if (!playing_) return;
    playing_ = false;
    ui::SharedAnimationTimer().Detach(*this);
}

void TSkinGIFFramePlayer::ProcessTick(double elapsed) {
    if (!playing_ || !(elapsed > 0)) return;
    if (FrameDuration(active_) <= 0) return;
    shown_ += elapsed * 1000.0;
    bool changed = false;
    // At most one round per tick: a tick longer than the whole animation lands on the same place in it.
    double round = 0;
    for (size_t i = 0; i < frames_.size(); ++i) round += FrameDuration(i);
    if (round > 0 && shown_ >= round) shown_ = std::fmod(shown_, round);
    for (double duration = FrameDuration(active_); shown_ >= duration && duration > 0;
         duration = FrameDuration(active_)) {
        shown_ -= duration;
        active_ = (active_ + 1) % frames_.size();
        changed = true;
    }
    if (changed && OnFrameChange) OnFrameChange();
}

}  // namespace skin
