#pragma once

#include <memory>

class QWebEnginePage;

// The engine started ahead of the first browser: its profile, its processes and a blank page
// in a page no one sees. Made while the user waits on the splash, so that the browsers made
// after it cost little; the page goes with it.
class TEngineWarmUp {
public:
    TEngineWarmUp();
    ~TEngineWarmUp();
    TEngineWarmUp(const TEngineWarmUp&) = delete;
    TEngineWarmUp& operator=(const TEngineWarmUp&) = delete;

private:
    std::unique_ptr<QWebEnginePage> page_;
};
