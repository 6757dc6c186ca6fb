#include "ManualTicks.h"

void TManualTicks::Every(std::chrono::milliseconds interval, QObject& receiver,
                         std::function<void()> tick)
{
    clocks_.push_back({interval, &receiver, std::move(tick), now_});
}

void TManualTicks::Advance(std::chrono::duration<double, std::milli> step)
{
    now_ += step;
    // A tick may make clocks of its own: only those there now are due.
    const size_t count = clocks_.size();
    for (size_t i = 0; i < count; ++i) {
        if (!clocks_[i].Receiver || now_ - clocks_[i].LastTick < clocks_[i].Interval)
            continue;
        clocks_[i].LastTick = now_;
        const std::function<void()> tick = clocks_[i].Tick;
        tick();
    }
}
