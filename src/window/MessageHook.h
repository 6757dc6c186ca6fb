#pragma once

#include <QObject>

#include <vector>

// Where a listener joins the hook's listeners: last, or first, as a pop-up over the windows
// takes its keys before they do.
enum class TListenerPlace { Last, First };

// What the program's message hook hands each event to.
class TMessageListener {
public:
    // True when the event was taken and goes no further.
    virtual bool HookMessage(QObject* receiver, QEvent* event) = 0;

protected:
    ~TMessageListener() = default;
};

// The program's one application-wide event filter: every event of the application passes it
// before its receiver and goes on to the listeners, so a key or a wheel turn reaches every
// browser window that is shown. The program owns it and makes it before any window, so it
// outlives them; a listener leaves it before its own parts go.
class TMessageHook : public QObject {
public:
    TMessageHook();
    ~TMessageHook() override;

    void Add(TMessageListener& listener, TListenerPlace place = TListenerPlace::Last);
    void Remove(TMessageListener& listener);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool Listens(const TMessageListener* listener) const;

    std::vector<TMessageListener*> listeners_;
};
