#pragma once

#include <QString>

class QWidget;
class TClock;
class TTickSource;

// The hint of a skinned window: handlers set its text and switch it on or off while they run;
// afterwards Apply shows the text near the pointer after a short rest, or takes it away. A hint
// belongs to what the pointer rests on: any window shown over the program's windows takes every
// other window's hint away, shown or waiting.
class THintDisplay {
public:
    THintDisplay(QWidget& window, TTickSource& ticks);
    ~THintDisplay();
    THintDisplay(const THintDisplay&) = delete;
    THintDisplay& operator=(const THintDisplay&) = delete;

    void SetText(const QString& text) { text_ = text; }
    void SetOn(bool on) { on_ = on; }
    const QString& Text() const { return text_; }
    bool IsOn() const { return on_; }

    // Called after every handler: a hint already shown or waiting stays as it is.
    void Apply();
    // A waiting hint never shows, a shown one goes: after a press or a release, whose click may
    // open another window, and for a window on its way out.
    void Stop();
    // A window was shown: every hint but its own goes.
    static void WindowShown(const QWidget& shown);
    // A hint waits for the pointer to rest; once it no longer waits, it has shown or never will.
    bool IsWaiting() const;

private:
    void RestEnded();

    QWidget& window_;
    QString text_;
    bool on_ = false;
    QString shown_;   // on screen now
    QString pending_; // waiting for the pointer to rest
    TClock& rest_;    // runs while a hint waits; its one tick ends the rest
};
