#pragma once

#include "TickSource.h"

#include <QPointer>

#include <deque>

// Time stepped by hand: Advance moves the clock and gives every running clock that has come due
// one tick, in the order the clocks were made.
class TManualTicks : public TTickSource {
public:
    TClock& Every(std::chrono::milliseconds interval, QObject& receiver,
                  std::function<void()> tick) override;
    std::chrono::duration<double, std::milli> Now() const override { return now_; }

    void Advance(std::chrono::duration<double, std::milli> step);
    // How many clocks of live receivers run.
    size_t RunningClocks() const;

private:
    class TManualClock final : public TClock {
    public:
        TManualClock(const TManualTicks& ticks, std::chrono::milliseconds interval,
                     QObject& receiver, std::function<void()> tick);
        void SetRunning(bool running) override;
        bool IsRunning() const override { return running_; }
        bool IsLive() const { return running_ && receiver_; }
        // Ticks when due at now.
        void TickIfDue(std::chrono::duration<double, std::milli> now);

    private:
        const TManualTicks& ticks_;
        std::chrono::milliseconds interval_;
        QPointer<QObject> receiver_;
        std::function<void()> tick_;
        std::chrono::duration<double, std::milli> lastTick_;
        bool running_ = true;
    };

    std::chrono::duration<double, std::milli> now_{0};
    std::deque<TManualClock> clocks_;
};
