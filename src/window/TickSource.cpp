#include "TickSource.h"

#include <QTimer>

namespace {

class TRealTicks : public TTickSource {
public:
    void Every(std::chrono::milliseconds interval, QObject& receiver,
               std::function<void()> tick) override
    {
        auto* timer = new QTimer(&receiver);
        // Short intervals keep to the millisecond, as the splash's bar needs.
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(interval);
        QObject::connect(timer, &QTimer::timeout, &receiver, std::move(tick));
        timer->start();
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
