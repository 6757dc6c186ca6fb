#include "ManualTicks.h"

#include <algorithm>

TManualTicks::TManualClock::TManualClock(const TManualTicks& ticks,
                                         std::chrono::milliseconds interval, QObject& receiver,
                                         std::function<void()> tick)
    : ticks_(ticks), interval_(interval), receiver_(&receiver), tick_(std::move(tick)),
      lastTick_(ticks.Now())
{
}

void TManualTicks::TManualClock::SetRunning(bool running)
{
    if (running && !running_)
        lastTick_ = ticks_.Now();
    running_ = running;
}

void TManualTicks::TManualClock::TickIfDue(std::chrono::duration<double, std::milli> now)
{
    if (!running_ || !receiver_ || now - lastTick_ < interval_)
        return;
    lastTick_ = now;
    const std::function<void()> tick = tick_;
    tick();
}

TClock& TManualTicks::Every(std::chrono::milliseconds interval, QObject& receiver,
                            std::function<void()> tick)
{
    return clocks_.emplace_back(*this, interval, receiver, std::move(tick));
}

size_t TManualTicks::RunningClocks() const
{
    return size_t(std::count_if(clocks_.begin(), clocks_.end(),
                                [](const TManualClock& clock) { return clock.IsLive(); }));
}

void TManualTicks::Advance(std::chrono::duration<double, std::milli> step)
{
    now_ += step;
    // A tick may make clocks of its own: only those there now are due.
    const size_t count = clocks_.size();
    for (size_t i = 0; i < count; ++i)
        clocks_[i].TickIfDue(now_);
}
