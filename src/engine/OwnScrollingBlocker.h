#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps the engine from scrolling its page by itself: the wheel and the scrolling keys never
// reach the engine's input widget inside the view, so the page moves only by the window's own
// steps, which see those events first where they enter the window. It filters the view and its
// input widgets alone, never the whole application.
class TOwnScrollingBlocker : public QObject {
public:
    explicit TOwnScrollingBlocker(QWidget& view);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void WatchInputWidgets();

    QPointer<QWidget> view_;
};
