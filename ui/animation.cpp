#include "ui/animation.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "platform/log.h"
#include "ui/animation_timer.h"
#include "ui/control.h"
#include "ui/property_table.h"
#include "ui/text.h"

namespace ui {

Animation::~Animation() {
    BeginDestruction();
    if (running_) Timer().Detach(*this);
    running_ = false;
    SetParent(nullptr);
}

const PropertyTable& Animation::StaticProperties() {
    static const PropertyTable table =
        PropertyTableBuilder<Animation>(&Component::StaticProperties())
            .Enumeration<ui::AnimationType>(u"AnimationType", {u"In", u"Out", u"InOut"}, &Animation::AnimationType,
                                            &Animation::SetAnimationType)
            .Double(u"Delay", &Animation::Delay, &Animation::SetDelay)
            .Double(u"Duration", &Animation::Duration, &Animation::SetDuration)
            .Bool(u"Enabled", &Animation::Enabled, &Animation::SetEnabled)
            .Enumeration<ui::Interpolation>(u"Interpolation", {u"Linear", u"Cubic", u"Exponential"},
                                            &Animation::Interpolation, &Animation::SetInterpolation)
            .Bool(u"Inverse", &Animation::Inverse, &Animation::SetInverse)
            .Text(u"PropertyName", &Animation::PropertyName, &Animation::SetPropertyName)
            .Event(u"OnFinish", &Animation::OnFinish)
            .Event(u"OnProcess", &Animation::OnProcess)
            .Build();
    return table;
}

AnimationTimer& Animation::Timer() const { return SharedAnimationTimer(); }

bool Animation::ParentHidden() const {
    const Control* control = Parent() != nullptr ? Parent()->AsControl() : nullptr;
    return control != nullptr && !control->Visible();
}

void Animation::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (IsReading() || IsLoading() || IsDesigning()) return;
    if (enabled) {
        Start();
    } else {
        Stop();
    }
}

void Animation::Loaded() {
    Component::Loaded();
    if (enabled_) Start();
}

void Animation::Start() {
    if (ParentHidden()) return;
    reported_ = false;
    if (duration_ < 0.001) {
        // Immediate: the final value, then the animation is over.
        if (running_) Timer().Detach(*this);
        delayRemaining_ = 0;
        time_ = inverse_ ? 0 : std::max(duration_, 0.0);
        running_ = true;
        ProcessAnimation(inverse_ ? 0.0f : 1.0f);
        DoProcess();
        running_ = false;
        DoFinish();
        return;
    }
    delayRemaining_ = std::max(delay_, 0.0);
    time_ = inverse_ ? duration_ : 0;
    running_ = true;
    enabled_ = true;
    Timer().Attach(*this);
    if (delayRemaining_ <= 0) {
        ProcessAnimation();
        DoProcess();
    }
}

void Animation::Stop() {
    if (!running_) return;
    Timer().Detach(*this);
    time_ = inverse_ ? 0 : duration_;
    delayRemaining_ = 0;
    ProcessAnimation();
    DoProcess();
    running_ = false;
    DoFinish();
}

std::u16string Animation::TickClientName() const { return std::u16string(ClassName()) + u" " + Name(); }

void Animation::ProcessTick(double elapsed) {
    if (running_ && ParentHidden()) Stop();
    if (!running_) return;
    if (delayRemaining_ > 0) {
        delayRemaining_ -= elapsed;
        if (delayRemaining_ > 0) return;
        // The delay ran out during this tick: the part of the tick past it belongs to the run, so a late tick (a
        // busy machine, a slow first frame) shifts nothing on the timeline. Dropping it would let an animation
        // with a shorter delay end after one that was meant to follow it and decide a shared property wrongly.
        elapsed = -delayRemaining_;
        delayRemaining_ = 0;
        time_ = inverse_ ? duration_ : 0;
    }
    bool finished = false;
    if (inverse_) {
        time_ -= elapsed;
        if (time_ <= 0) {
            time_ = 0;
            finished = true;
        }
    } else {
        time_ += elapsed;
        if (time_ >= duration_) {
            time_ = duration_;
            finished = true;
        }
    }
    time_ = std::clamp(time_, 0.0, std::max(duration_, 0.0));
    if (finished) {
        // Detached before the handlers run, so a failing handler cannot leave it on the timer.
        running_ = false;
        Timer().Detach(*this);
    }
    ProcessAnimation();
    DoProcess();
    // A handler may have started the animation again.
    if (finished && !running_) DoFinish();
}

void Animation::ProcessAnimation() {
    const float progress = duration_ > 0 ? static_cast<float>(time_ / duration_) : (inverse_ ? 0.0f : 1.0f);
    ProcessAnimation(progress);
}

void Animation::ProcessAnimation(float progress) {
    progress = std::clamp(progress, 0.0f, 1.0f);
    Component* parent = Parent();
    if (parent == nullptr) {
        Report(u"has no parent to animate");
        return;
    }
    const PropertyTarget target = ResolvePropertyPath(*parent, propertyName_, PathResolution::SkipUnknown);
    if (!target) {
        Report(u"finds no property \"" + propertyName_ + u"\" in " + std::u16string(parent->ClassName()) + u" " +
               parent->Name());
        return;
    }
    if (!Accepts(target.property->Kind())) {
        Report(u"cannot drive the " + Utf8ToUtf16(PropertyKindName(target.property->Kind())) + u" property \"" +
               propertyName_ + u"\"");
        return;
    }
    try {
        ApplyValue(target, Ease(interpolation_, type_, progress));
    } catch (const std::exception& e) {
        Report(u"cannot set \"" + propertyName_ + u"\": " + Utf8ToUtf16(e.what()));
    }
}

void Animation::DoProcess() {
    if (OnProcess) OnProcess(this);
}

void Animation::DoFinish() {
    if (OnFinish) OnFinish(this);
}

void Animation::Report(const std::u16string& problem) {
    if (reported_) return;
    reported_ = true;
    platform::Log(u"Animation", std::u16string(ClassName()) + u" " + Name() + u" " + problem);
}

}  // namespace ui
