#include "TickSource.h"

#include <QTimer>

namespace {

class TRealClock : public QTimer, public TClock {
public:
    TRealClock(std::chrono::milliseconds interval, QObject& receiver) : QTimer(&receiver)
    {
        // Short intervals keep to the millisecond, as the splash's bar needs.
        setTimerType(Qt::PreciseTimer);
        setInterval(interval);
    }

    void SetRunning(bool running) override
    {
        if (running && !isActive())
            start();
        else if (!running)
            stop();
    }
    bool IsRunning() const override { return isActive(); }
};

class TRealTicks : public TTickSource {
public:
    TClock& Every(std::chrono::milliseconds interval, QObject& receiver,
                  std::function<void()> tick) override
    {
        auto* clock = new TRealClock(interval, receiver);
        QObject::connect(clock, &QTimer::timeout, &receiver, std::move(tick));
        clock->start();
        return *clock;
    }

    std::chrono::duration<double, std::milli> Now() const override
    {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
};

} // namespace

TTickSource& RealTicks()
{
    static TRealTicks ticks;
    return ticks;
}
