#pragma once

#include "PageStep.h"

#include <functional>

class TEmbeddedWB;
class TScrollExBase;

// Keeps one browser's page and one skinned scroll bar in step: page steps, jumps, the bar's
// drag and the range after each load. Several couplings of one window may share its
// root-or-body flag.
class TScrollCoupling {
public:
    TScrollCoupling(TEmbeddedWB& browser, TScrollExBase& bar, int browserWidth, bool& rootScrolls,
                    std::function<void()> repaint);

    void SetPageScroll(int position);
    // The page's position and range, after the probe.
    void GetPageScroll(std::function<void(int position, int range)> done);
    // After a load: the bar's range from the page, the browser's fixed width.
    void UpdateScrollRange(std::function<void()> done = {});

    // One step, with the bar following the page.
    void Step(TPageStep step);
    // Home and End: the page to a position, the bar's thumb with it.
    void JumpTo(int position);
    // While the bar's thumb is dragged, the page follows it.
    void FollowDrag();
    // However else the page scrolled, the thumb follows it.
    void FollowPage(int position);

    TEmbeddedWB& Browser() const { return browser_; }
    TScrollExBase& Bar() const { return bar_; }

private:
    TEmbeddedWB& browser_;
    TScrollExBase& bar_;
    int browserWidth_;
    bool& rootScrolls_;
    std::function<void()> repaint_;
};
