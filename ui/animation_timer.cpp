#include "ui/animation_timer.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <string>

#include "platform/log.h"
#include "ui/animation_clock.h"
#include "ui/text.h"

namespace ui {

// The clock may be gone by now (the shared timer lives until the process ends), so it is not called.
AnimationTimer::~AnimationTimer() = default;

void AnimationTimer::SetClock(AnimationClock* clock) {
    if (clock == clock_) return;
    StopTicks();
    clock_ = clock;
    lastTick_ = Now();
    if (!running_.empty()) StartTicks();
}

double AnimationTimer::Now() const {
    if (clock_ != nullptr) return clock_->Now();
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void AnimationTimer::Attach(TickClient& client) {
    if (IsAttached(client)) return;
    if (running_.empty()) {
        lastTick_ = Now();
        StartTicks();
    }
    running_.push_back(&client);
}

void AnimationTimer::Detach(TickClient& client) {
    auto it = std::find(running_.begin(), running_.end(), &client);
    if (it == running_.end()) return;
    running_.erase(it);
    std::replace(ticking_.begin(), ticking_.end(), &client, static_cast<TickClient*>(nullptr));
    if (running_.empty()) StopTicks();
}

bool AnimationTimer::IsAttached(const TickClient& client) const {
    return std::find(running_.begin(), running_.end(), &client) != running_.end();
}

void AnimationTimer::Tick() {
    const double now = Now();
    const double elapsed = now - lastTick_;
    lastTick_ = now;
    if (elapsed <= 0 || running_.empty()) return;
    // Clients attached during this tick wait for the next one.
    ticking_ = running_;
    for (size_t i = ticking_.size(); i > 0; --i) {
        TickClient* client = ticking_[i - 1];
        if (client == nullptr) continue;
        try {
            client->ProcessTick(elapsed);
        } catch (const std::exception& e) {
            // One failing handler must not stop the other clients; the failure goes to the log.
            platform::Log(u"Animation", client->TickClientName() + u" failed: " + Utf8ToUtf16(e.what()));
        }
    }
    ticking_.clear();
}

void AnimationTimer::StartTicks() {
    if (clock_ != nullptr) clock_->SetTickHandler([this] { Tick(); });
}

void AnimationTimer::StopTicks() {
    if (clock_ != nullptr) clock_->SetTickHandler(nullptr);
}

AnimationTimer& SharedAnimationTimer() {
    static AnimationTimer timer;
    return timer;
}

}  // namespace ui
