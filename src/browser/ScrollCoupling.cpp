#include "ScrollCoupling.h"

#include "uEmbeddedWB.h"
#include "uScrollEx.h"

#include <QPointer>

TScrollCoupling::TScrollCoupling(TEmbeddedWB& browser, TScrollExBase& bar, int browserWidth,
                                 bool& rootScrolls, std::function<void()> repaint)
    : browser_(browser), bar_(bar), browserWidth_(browserWidth), rootScrolls_(rootScrolls),
      repaint_(std::move(repaint))
{
}

void TScrollCoupling::SetPageScroll(int position)
{
    if (browser_.HasDocument())
        browser_.SetScroll(position);
}

void TScrollCoupling::GetPageScroll(std::function<void(int position, int range)> done)
{
    if (!browser_.HasDocument())
        return;
    browser_.GetScroll(
        [done = std::move(done)](TPageScroll scroll) { done(scroll.Position, scroll.Range); });
}

void TScrollCoupling::UpdateScrollRange(std::function<void()> done)
{
    if (!browser_.HasDocument())
        return;
    // The callback runs later; the coupling lives as long as its window and browser.
    browser_.GetScroll([this, done = std::move(done)](TPageScroll scroll) {
        rootScrolls_ = scroll.RootScrolls;
        bar_.SetMax(scroll.Range);
        browser_.SetWidth(browserWidth_);
        if (done)
            done();
    });
}

void TScrollCoupling::Step(TPageStep step)
{
    if (!browser_.HasDocument())
        return;
    browser_.ScrollStep(step, rootScrolls_, [this](TPageScroll scroll) {
        if (bar_.IsVisible())
            bar_.SetPosition(scroll.Position);
        repaint_();
    });
}

void TScrollCoupling::JumpTo(int position)
{
    if (!browser_.HasDocument())
        return;
    browser_.SetScroll(position);
    if (bar_.IsVisible())
        bar_.SetPosition(position);
    repaint_();
}

void TScrollCoupling::FollowDrag()
{
    SetPageScroll(bar_.GetPosition());
}

void TScrollCoupling::FollowPage(int position)
{
    // A drag leads the page, not the other way round.
    if (!bar_.IsVisible() || bar_.IsDragging() || bar_.GetPosition() == position)
        return;
    bar_.SetPosition(position);
    repaint_();
}
