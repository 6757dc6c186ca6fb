#include "UserActivation.h"

#include <QKeyEvent>

#include <chrono>

namespace {

// As long as a browser lets a click open a pop-up.
constexpr std::chrono::seconds kActivationLifetime(5);

bool IsPress(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent&>(event).key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    default:
        return false;
    }
}

} // namespace

bool TUserActivation::Consume()
{
    if (expires_.hasExpired())
        unused_ = 0;
    if (unused_ == 0)
        return false;
    --unused_;
    return true;
}

bool TUserActivation::InputEvent(const QWidget&, const QEvent& event)
{
    if (IsPress(event)) {
        ++presses_;
        ++unused_;
        expires_ = QDeadlineTimer(kActivationLifetime);
    }
    return false;
}
