#pragma once

#include "ViewInputWatcher.h"

#include <QDeadlineTimer>

// The user's own press in a page: a mouse button, or a key that follows a link. Only such a
// press lets the page open one address outside, within a few seconds, as a browser lets a click
// open one pop-up; whatever a page's script does, it makes no press.
class TUserActivation : public TViewInputWatcher {
public:
    explicit TUserActivation(QWidget& view) : TViewInputWatcher(view) {}

    // True once for each press, which it uses up, while the last press is recent.
    bool Consume();
    // How many presses the page has had: a page's run of dialogs ends at the next one.
    unsigned Presses() const { return presses_; }

private:
    bool InputEvent(const QWidget& input, const QEvent& event) override;

    QDeadlineTimer expires_{0};
    unsigned unused_ = 0; // presses no request has used yet
    unsigned presses_ = 0;
};
