#include "MessageHook.h"

#include <QCoreApplication>

#include <algorithm>

TMessageHook::TMessageHook()
{
    QCoreApplication::instance()->installEventFilter(this);
}

TMessageHook::~TMessageHook()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void TMessageHook::Add(TMessageListener& listener, TListenerPlace place)
{
    if (!Listens(&listener))
        listeners_.insert(place == TListenerPlace::First ? listeners_.begin() : listeners_.end(),
                          &listener);
}

void TMessageHook::Remove(TMessageListener& listener)
{
    std::erase(listeners_, &listener);
}

bool TMessageHook::Listens(const TMessageListener* listener) const
{
    return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

bool TMessageHook::eventFilter(QObject* watched, QEvent* event)
{
    // A listener may make or remove listeners while it handles the event: each one there when
    // the event came, and still there, sees it once.
    const std::vector<TMessageListener*> listeners = listeners_;
    for (TMessageListener* listener : listeners) {
        if (Listens(listener) && listener->HookMessage(watched, event))
            return true;
    }
    return false;
}
