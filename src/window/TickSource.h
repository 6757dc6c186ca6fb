#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// One repeating clock. A clock that has nothing to do is stopped, so a window at rest does not
// wake the program; started again, its first tick comes a whole interval later.
class TClock {
public:
    virtual void SetRunning(bool running) = 0;
    virtual bool IsRunning() const = 0;

protected:
    ~TClock() = default;
};

// Where the windows' clocks come from: the real time for the program, time stepped by hand in
// tests.
class TTickSource {
public:
    virtual ~TTickSource() = default;

    // A clock that calls tick every interval on the user-interface thread, running from now on,
    // for as long as receiver lives; receiver owns it.
    virtual TClock& Every(std::chrono::milliseconds interval, QObject& receiver,
                          std::function<void()> tick) = 0;
    // The present time on a clock that never goes back.
    virtual std::chrono::duration<double, std::milli> Now() const = 0;
};

// The real time.
TTickSource& RealTicks();
