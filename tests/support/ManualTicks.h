#pragma once

#include "TickSource.h"

#include <QPointer>

#include <vector>

// Time stepped by hand: Advance moves the clock and gives every clock that has come due one
// tick, in the order the clocks were made.
class TManualTicks : public TTickSource {
public:
    void Every(std::chrono::milliseconds interval, QObject& receiver,
               std::function<void()> tick) override;
    std::chrono::duration<double, std::milli> Now() const override { return now_; }

    void Advance(std::chrono::duration<double, std::milli> step);

private:
    struct TClock {
        std::chrono::milliseconds Interval;
        QPointer<QObject> Receiver;
        std::function<void()> Tick;
        std::chrono::duration<double, std::milli> LastTick;
    };

    std::chrono::duration<double, std::milli> now_{0};
    std::vector<TClock> clocks_;
};
