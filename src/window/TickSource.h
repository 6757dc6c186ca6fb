#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// Where the windows' clocks come from: the real time for the program, time stepped by hand in
// tests.
class TTickSource {
public:
    virtual ~TTickSource() = default;

    // Calls tick every interval on the user-interface thread for as long as receiver lives.
    virtual void Every(std::chrono::milliseconds interval, QObject& receiver,
                       std::function<void()> tick) = 0;
    // The present time on a clock that never goes back.
    virtual std::chrono::duration<double, std::milli> Now() const = 0;
};

// The real time.
TTickSource& RealTicks();
